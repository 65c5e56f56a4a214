#include "testcharsets.h"

#include "simcore/ledbitmap.h"

namespace ztk::sim::test {

SetBuilder::SetBuilder(int glyphs, int rows, int cell, int spacing, int bytesPerRow,
                       int defaultWidth)
    : rows_(rows), bytesPerRow_(bytesPerRow) {
    bytes_ = {static_cast<std::uint8_t>(glyphs), static_cast<std::uint8_t>(bytesPerRow),
              static_cast<std::uint8_t>(rows), static_cast<std::uint8_t>(cell),
              static_cast<std::uint8_t>(spacing)};
    for (int g = 0; g < glyphs; ++g) {
        bytes_.push_back(static_cast<std::uint8_t>(defaultWidth));
        bytes_.insert(bytes_.end(), static_cast<std::size_t>(rows) * bytesPerRow, 0);
    }
}

SetBuilder& SetBuilder::glyph(int c, const std::vector<std::string>& rows) {
    const std::size_t record = 1 + static_cast<std::size_t>(rows_) * bytesPerRow_;
    std::uint8_t* g = bytes_.data() + 5 + (c - 32) * record;
    g[0] = static_cast<std::uint8_t>(rows.at(0).size());
    for (int r = 0; r < rows_; ++r) {
        std::uint16_t bits = 0;
        for (std::size_t col = 0; col < rows.at(r).size(); ++col)
            if (rows[r][col] == '#') bits |= 0x8000u >> col;
        g[1 + r * bytesPerRow_] = static_cast<std::uint8_t>(bits >> 8);
        if (bytesPerRow_ == 2) g[2 + r * bytesPerRow_] = static_cast<std::uint8_t>(bits);
    }
    return *this;
}

std::string dumpLeds(const LedBitmap& leds) {
    std::string out;
    for (int y = 0; y < leds.rows(); ++y) {
        for (int x = 0; x < leds.columns(); ++x) {
            switch (leds.at(x, y)) {
                case 10:
                    out += '.';
                    break;
                case 11:
                    out += 'R';
                    break;
                case 12:
                    out += 'G';
                    break;
                case 13:
                    out += 'A';
                    break;
                case 14:
                    out += 'r';
                    break;
                case 15:
                    out += 'g';
                    break;
                case 139:
                    out += '1';
                    break;
                case 140:
                    out += '2';
                    break;
                case 141:
                    out += '3';
                    break;
                default:
                    out += '?';
            }
        }
        out += '\n';
    }
    return out;
}

std::map<int, std::vector<std::uint8_t>>& testResources() {
    static std::map<int, std::vector<std::uint8_t>> resources;
    return resources;
}

std::span<const std::uint8_t> testLookup(int number) {
    const auto it = testResources().find(number);
    if (it == testResources().end()) return {};
    return it->second;
}

void installTestFonts() {
    // Installed once and never changed: fonts keep views into these bytes.
    auto& res = testResources();
    if (!res.empty()) return;
    struct Row {
        int rows, glyphs, cell, spacing, descRows;
        bool wide;
    };
    const Row table[12] = {
        {5, 65, 5, 1, 0, false},    {7, 162, 5, 1, 9, true},    {7, 186, 8, 1, 9, true},
        {7, 162, 5, 1, 0, false},   {8, 162, 5, 1, 0, false},   {8, 162, 8, 1, 0, false},
        {8, 162, 5, 1, 0, false},   {10, 162, 8, 1, 13, false}, {15, 162, 7, 2, 18, true},
        {15, 186, 12, 1, 18, true}, {16, 162, 7, 2, 0, true},   {16, 186, 12, 1, 0, true}};
    for (int id = 1; id <= 12; ++id) {
        const Row& t = table[id - 1];
        const int bpr = id >= 9 ? 2 : 1;
        res[0x100 | id] = SetBuilder(t.glyphs, t.rows, t.cell, t.spacing, bpr).bytes();
        if (t.wide) res[0x200 | id] = SetBuilder(4, t.rows, t.cell, t.spacing, bpr).bytes();
        if (t.descRows) res[0x300 | id] = SetBuilder(6, t.descRows, t.cell, t.spacing, bpr).bytes();
    }
    res[0x101] = SetBuilder(65, 5, 5, 1)
                     .glyph('A', {"###", "###", "###", "###", "###"})
                     .glyph('?', {"#", "#", "#", "#", "#"})
                     .bytes();
    res[0x102] = SetBuilder(162, 7, 5, 1)
                     .glyph('!', {".#.", ".#.", ".#.", ".#.", ".#.", "...", ".#."})
                     .glyph('A', {"####", "####", "####", "####", "####", "####", "####"})
                     .glyph('M', {"#####", "#####", "#####", "#####", "#####", "#####", "#####"})
                     .glyph('?', {"##", "##", "##", "##", "##", "##", "##"})
                     .glyph('g', {"...", "...", "...", "###", "###", "###", "###"})
                     .bytes();
    res[0x202] = SetBuilder(4, 7, 5, 1)
                     .glyph(32, {"#######", "#######", "#######", "#######", "#######", "#######",
                                 "#######"})
                     .bytes();
    res[0x302] = SetBuilder(6, 9, 5, 1)
                     .glyph(32, {"...", "...", "...", "...", "...", "###", "###", "###", "###"})
                     .bytes();
    res[0x109] = SetBuilder(162, 15, 7, 2, 2).glyph('I', std::vector<std::string>(15, "#")).bytes();
}

}  // namespace ztk::sim::test
