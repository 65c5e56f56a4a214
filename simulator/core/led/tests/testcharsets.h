#pragma once
// Small character sets made by the tests, in the binary set layout, so that glyph
// geometry is exact whatever the shipped glyphs look like.

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace ztk::sim {
class LedBitmap;
}

namespace ztk::sim::test {

// The LEDs as text, a line per row: '.' off, 'R' red, 'G' green, 'A' amber, 'r' dim red,
// 'g' dim green, '1'-'3' flashing red, green, amber, '?' anything else.
std::string dumpLeds(const LedBitmap& leds);

// One set: every glyph is blank and `defaultWidth` wide until given rows of '#' and '.'.
class SetBuilder {
  public:
    SetBuilder(int glyphs, int rows, int cell, int spacing, int bytesPerRow = 1,
               int defaultWidth = 3);
    // Glyph for character `c` (or index c - 32 of a wide/descender set).
    SetBuilder& glyph(int c, const std::vector<std::string>& rows);
    std::vector<std::uint8_t> bytes() const { return bytes_; }

  private:
    int rows_;
    int bytesPerRow_;
    std::vector<std::uint8_t> bytes_;
};

// The resources the test lookup answers with; filled by installTestFonts().
std::map<int, std::vector<std::uint8_t>>& testResources();
std::span<const std::uint8_t> testLookup(int number);

// Installs (once) all twelve fonts with their real row counts, glyph counts, cells and spacings,
// wide and descender sets where the real ones exist, and these glyphs:
//   font 1: 'A' a 3-wide block, '?' a 1-wide bar;
//   font 2: '!' 3 wide (middle column), 'A' 4 wide, 'M' 5 wide, '?' 2 wide, 'g' 3 wide
//           (rows 3-6); wide set 'M' 7 wide; descender set 'g' 3 wide (rows 5-8);
//   font 9: 'I' 1 wide, every row lit.
void installTestFonts();

}  // namespace ztk::sim::test
