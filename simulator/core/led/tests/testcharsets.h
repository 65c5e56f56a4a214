// SPDX-License-Identifier: MIT
#pragma once
// Small character sets in the binary set layout, so that glyph geometry in the tests is exact
// whatever the shipped glyphs look like, and a text dump of LEDs.

#include <cstdint>
#include <span>
#include <string>

namespace ztk::sim {
class LedBitmap;
}

namespace ztk::sim::test {

// Lookup for LedFonts with these sets (every other font is absent); glyphs not listed are
// blank and 3 columns wide:
//   font 1 (5 rows, 65 glyphs, cell 5, spacing 1): 'A' 3 wide, '?' 1 wide, all rows lit;
//   font 2 (7 rows, 162 glyphs, cell 5, spacing 1): '!' 3 wide (middle column, row 5 dark),
//     'A' 4 wide and '?' 2 wide all lit, 'g' 3 wide rows 3-6; wide set 'M' 7 wide;
//     descender set (9 rows) 'g' 3 wide rows 5-8;
//   font 9 (15 rows, two bytes a row, cell 7, spacing 2): 'I' 1 wide, all rows lit.
std::span<const std::uint8_t> testLookup(int number);

// The LEDs as text, a line per row: '.' off, 'R' red, 'G' green, 'A' amber, '?' other.
std::string dumpLeds(const LedBitmap& leds);
// `n` dump lines of `line`.
std::string lines(int n, const std::string& line);

}  // namespace ztk::sim::test
