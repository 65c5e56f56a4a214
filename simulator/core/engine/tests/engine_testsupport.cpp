// SPDX-License-Identifier: MIT
#include "engine_testsupport.h"

#include <map>

namespace ztk::sim::test {

std::vector<std::uint8_t> packet(std::string_view command) {
    std::string p = "\001\001\001\001\001\001Z00\002";
    p += command;
    p += '\x04';
    return {p.begin(), p.end()};
}

namespace {

std::vector<std::uint8_t> blockSet(int glyphs, int rows, int cell, int spacing) {
    const int perRow = rows >= 15 ? 2 : 1;
    std::vector<std::uint8_t> b = {std::uint8_t(glyphs), std::uint8_t(perRow), std::uint8_t(rows),
                                   std::uint8_t(cell), std::uint8_t(spacing)};
    for (int g = 0; g < glyphs; ++g) {
        b.push_back(g == 0 ? 2 : 5);
        for (int r = 0; r < rows * perRow; ++r)
            b.push_back(g == 0 || r % perRow ? 0 : 0xF8);
    }
    return b;
}

}  // namespace

std::span<const std::uint8_t> blockLookup(int number) {
    // id: rows, glyphs, cell, spacing, descender rows, wide set.
    static constexpr int kShapes[12][6] = {
        {5, 65, 5, 1, 0, 0},     {7, 162, 5, 1, 9, 1},   {7, 186, 8, 1, 9, 1},
        {7, 162, 5, 1, 0, 0},    {8, 162, 5, 1, 0, 0},   {8, 162, 8, 1, 0, 0},
        {8, 162, 5, 1, 0, 0},    {10, 162, 8, 1, 13, 0}, {15, 162, 7, 2, 18, 1},
        {15, 186, 12, 1, 18, 1}, {16, 162, 7, 2, 0, 1},  {16, 186, 12, 1, 0, 1}};
    static const auto sets = [] {
        std::map<int, std::vector<std::uint8_t>> s;
        for (int id = 1; id <= 12; ++id) {
            const int* k = kShapes[id - 1];
            s[0x100 | id] = blockSet(k[1], k[0], k[2], k[3]);
            if (k[5]) s[0x200 | id] = blockSet(4, k[0], k[2], k[3]);
            if (k[4]) s[0x300 | id] = blockSet(6, k[4], k[2], k[3]);
        }
        return s;
    }();
    const auto it = sets.find(number);
    return it == sets.end() ? std::span<const std::uint8_t>{} : it->second;
}

DisplayModel model(int columns, int rows, int colors, std::uint32_t featureMask,
                   std::uint32_t modeMask, std::uint32_t fontMask) {
    return {"Test", columns, rows, colors, modeMask, featureMask, fontMask};
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

std::string pageText(const Effect& effect) {
    std::string out;
    for (const PageBuffer& line : effect.lines()) {
        if (&line != &effect.lines().front()) out += '|';
        for (const PageItem& item : line.items()) {
            if (const auto* t = std::get_if<TextItem>(&item))
                out += static_cast<char>(t->character());
            else if (const auto* d = std::get_if<TimeDateItem>(&item))
                out += '{' + d->text() + '}';
            else
                out += std::string(static_cast<std::size_t>(itemWidth(item)), '#');
        }
    }
    return out;
}

int stepsOfPage(DisplayEngine& engine) {
    int steps = 0;
    do {
        engine.step();
        ++steps;
    } while (engine.currentEffect() && steps < 1000000);
    return steps;
}

Sign::Sign(const DisplayModel& m, const std::string& text, PageSeen seen,
           std::chrono::nanoseconds presentInterval)
    : interpreter(m), engine(interpreter, m, sink, [&] {
          EngineOptions o = options();
          o.presentInterval = presentInterval;
          o.pageLaidOut = [this, seen = std::move(seen)](const Effect& fx, int mode) {
              if (seen) seen(fx, mode);
              std::lock_guard lock(mutex);
              texts_.push_back(pageText(fx));
          };
          return o;
      }()) {
    if (!text.empty()) interpreter.newMessage(packet("AA" + text));
}

const Effect& Sign::page() {
    if (engine.currentEffect()) stepsOfPage(engine);
    engine.step();
    return *engine.currentEffect();
}

std::vector<std::string> Sign::texts() const {
    std::lock_guard lock(mutex);
    return texts_;
}

}  // namespace ztk::sim::test
