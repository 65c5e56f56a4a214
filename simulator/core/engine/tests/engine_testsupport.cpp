#include "engine_testsupport.h"

#include <map>

#include "simcore/messagestream.h"

namespace ztk::sim::test {

std::vector<std::uint8_t> packet(std::string_view command) {
    std::string p = "\x01\x01\x01\x01\x01\x01Z00\x02";
    p += command;
    p += '\x04';
    p += '\0';
    return {p.begin(), p.end()};
}

namespace {

struct SetShape {
    int rows, glyphs, cell, spacing;
};

// Rows, glyphs, cell and spacing of fonts 1-12.
constexpr SetShape kShapes[12] = {{5, 65, 5, 1},    {7, 162, 5, 1},  {7, 186, 8, 1},
                                  {7, 162, 5, 1},   {8, 162, 5, 1},  {8, 162, 8, 1},
                                  {8, 162, 5, 1},   {10, 162, 8, 1}, {15, 162, 7, 2},
                                  {15, 186, 12, 1}, {16, 162, 7, 2}, {16, 186, 12, 1}};
// Rows of the descender sets (0: none) and whether a wide set exists.
constexpr int kDescenderRows[12] = {0, 9, 9, 0, 0, 0, 0, 13, 18, 18, 0, 0};
constexpr bool kWide[12] = {false, true,  true, false, false, false,
                            false, false, true, true,  true,  true};

std::vector<std::uint8_t> blockSet(int glyphs, int rows, int cell, int spacing) {
    const int bytesPerRow = rows >= 15 ? 2 : 1;
    std::vector<std::uint8_t> b = {std::uint8_t(glyphs), std::uint8_t(bytesPerRow),
                                   std::uint8_t(rows), std::uint8_t(cell), std::uint8_t(spacing)};
    const std::size_t record = 1 + static_cast<std::size_t>(rows) * bytesPerRow;
    for (int g = 0; g < glyphs; ++g) {
        std::vector<std::uint8_t> r(record, 0);
        const bool space = g == 0;
        r[0] = space ? 2 : 5;
        for (int row = 0; row < rows && !space; ++row)
            r[1 + row * bytesPerRow] = 0xF8;
        b.insert(b.end(), r.begin(), r.end());
    }
    return b;
}

const std::map<int, std::vector<std::uint8_t>>& blockSets() {
    static const auto sets = [] {
        std::map<int, std::vector<std::uint8_t>> s;
        for (int id = 1; id <= 12; ++id) {
            const SetShape& k = kShapes[id - 1];
            s[0x100 | id] = blockSet(k.glyphs, k.rows, k.cell, k.spacing);
            if (kWide[id - 1]) s[0x200 | id] = blockSet(4, k.rows, k.cell, k.spacing);
            if (kDescenderRows[id - 1])
                s[0x300 | id] = blockSet(6, kDescenderRows[id - 1], k.cell, k.spacing);
        }
        return s;
    }();
    return sets;
}

}  // namespace

std::span<const std::uint8_t> blockLookup(int number) {
    const auto& sets = blockSets();
    const auto it = sets.find(number);
    if (it == sets.end()) return {};
    return it->second;
}

DisplayModel model(int columns, int rows, int colors, std::uint32_t featureMask,
                   std::uint32_t modeMask, std::uint32_t fontMask) {
    DisplayModel m;
    m.columns = columns;
    m.rows = rows;
    m.colors = colors;
    m.featureMask = featureMask;
    m.modeMask = modeMask;
    m.fontMask = fontMask;
    return m;
}

EngineOptions options(CharsetLookup charsets) {
    EngineOptions o;
    o.zoom = 1;
    o.seed = 1;
    o.clock = [] { return ClockValue{2002, 1, 5, 6, 13, 5}; };
    o.charsets = charsets;
    o.presentInterval = {};
    return o;
}

void RecordingSink::present(const ScreenView&, const PixelRect& area) {
    std::lock_guard lock(mutex_);
    areas_.push_back(area);
}

int RecordingSink::count() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(areas_.size());
}

std::vector<PixelRect> RecordingSink::areas() const {
    std::lock_guard lock(mutex_);
    return areas_;
}

std::string pageText(const Effect& effect) {
    std::string out;
    for (const PageBuffer& line : effect.lines()) {
        if (!out.empty() || &line != &effect.lines().front()) out += '|';
        for (const PageItem& item : line.items()) {
            if (const auto* t = std::get_if<TextItem>(&item)) {
                out += static_cast<char>(t->character());
            } else if (const auto* d = std::get_if<TimeDateItem>(&item)) {
                out += '{' + d->text() + '}';
            } else {
                out += std::string(static_cast<std::size_t>(itemWidth(item)), '#');
            }
        }
    }
    return out;
}

int stepsOfPage(DisplayEngine& engine, int limit) {
    const long long page = engine.pagesLaidOut();
    int steps = 0;
    while (steps < limit) {
        engine.step();
        ++steps;
        if (!engine.currentEffect()) break;
    }
    (void)page;
    return steps;
}

namespace {
EngineOptions withObserver(EngineOptions o, Sign::PageSeen seen) {
    o.pageLaidOut = std::move(seen);
    return o;
}
}  // namespace

Sign::Sign(const DisplayModel& m, const std::string& text, PageSeen seen, CharsetLookup charsets)
    : interpreter(m),
      engine(interpreter, m, sink, withObserver(options(charsets), std::move(seen))) {
    if (!text.empty()) interpreter.newMessage(packet("AA" + text));
}

}  // namespace ztk::sim::test
