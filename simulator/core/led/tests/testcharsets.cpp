// SPDX-License-Identifier: MIT
#include "testcharsets.h"

#include <array>
#include <map>
#include <vector>

#include "simcore/ledbitmap.h"

namespace ztk::sim::test {

namespace {

// A set whose glyphs are all blank and 3 wide; `lit` gives (character, width, first lit row).
std::vector<std::uint8_t> makeSet(int glyphs, int rows, int cell, int spacing, int bytesPerRow,
                                  std::vector<std::array<int, 3>> lit) {
    std::vector<std::uint8_t> b = {std::uint8_t(glyphs), std::uint8_t(bytesPerRow),
                                   std::uint8_t(rows), std::uint8_t(cell), std::uint8_t(spacing)};
    const std::size_t record = 1 + static_cast<std::size_t>(rows) * bytesPerRow;
    b.resize(5 + glyphs * record, 0);
    for (int g = 0; g < glyphs; ++g)
        b[5 + g * record] = 3;
    for (auto [c, width, firstRow] : lit) {
        std::uint8_t* g = b.data() + 5 + (c - 32) * record;
        g[0] = std::uint8_t(width);
        for (int r = firstRow; r < rows; ++r)
            g[1 + r * bytesPerRow] = std::uint8_t(0xFF00 >> width);
    }
    return b;
}

std::map<int, std::vector<std::uint8_t>> makeResources() {
    std::map<int, std::vector<std::uint8_t>> res;
    res[0x101] = makeSet(65, 5, 5, 1, 1, {{'A', 3, 0}, {'?', 1, 0}});
    res[0x102] = makeSet(162, 7, 5, 1, 1, {{'!', 3, 0}, {'A', 4, 0}, {'?', 2, 0}, {'g', 3, 3}});
    // "!": only the middle column, with a gap in row 5.
    std::uint8_t* bang = res[0x102].data() + 5 + 1 * 8;
    for (int r = 0; r < 7; ++r)
        bang[1 + r] = r == 5 ? 0 : 0x40;
    // Wide glyph 0 is "M", descender glyph 0 is "g".
    res[0x202] = makeSet(4, 7, 5, 1, 1, {{32, 7, 0}});
    res[0x302] = makeSet(6, 9, 5, 1, 1, {{32, 3, 5}});
    res[0x109] = makeSet(162, 15, 7, 2, 2, {{'I', 1, 0}});
    return res;
}

}  // namespace

std::span<const std::uint8_t> testLookup(int number) {
    static const std::map<int, std::vector<std::uint8_t>> resources = makeResources();
    const auto it = resources.find(number);
    return it == resources.end() ? std::span<const std::uint8_t>() : it->second;
}

std::string dumpLeds(const LedBitmap& leds) {
    std::string out;
    for (int y = 0; y < leds.rows(); ++y) {
        for (int x = 0; x < leds.columns(); ++x) {
            const int v = leds.at(x, y);
            out += v == 10 ? '.' : v == 11 ? 'R' : v == 12 ? 'G' : v == 13 ? 'A' : '?';
        }
        out += '\n';
    }
    return out;
}

std::string lines(int n, const std::string& line) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += line + '\n';
    return out;
}

}  // namespace ztk::sim::test
