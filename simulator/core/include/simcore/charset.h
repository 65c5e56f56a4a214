// SPDX-License-Identifier: MIT
#pragma once
// The sign's character sets as compiled-in binary resources ("CHARSET" n): resource
// 0x100|id holds the main set of font id 1-12, 0x200|id its wide letters (M m W w) and
// 0x300|id its descender letters (g j p q y ,).
//
// Set layout: u8 glyph count (glyph k is character 32 + k), u8 bytes per glyph row,
// u8 glyph rows, u8 fixed-width cell in columns, u8 spacing after each glyph, then per glyph
// 1 + rows x bytes-per-row bytes: its width in columns, then its rows top to bottom, each
// row's bits most significant first.

#include <cstddef>
#include <cstdint>
#include <span>

namespace ztk::sim {

// The bytes of resource `number`, or an empty span when there is none.
std::span<const std::uint8_t> charsetResource(int number);

// A read-only view of one character set.
class CharSet {
  public:
    CharSet() = default;
    explicit CharSet(std::span<const std::uint8_t> bytes);

    // False for a default view and for bytes too short for the set they describe; such a
    // view answers 0 (and "off") to everything below.
    bool valid() const { return !bytes_.empty(); }
    int glyphCount() const { return valid() ? bytes_[0] : 0; }
    int bytesPerRow() const { return valid() ? bytes_[1] : 0; }
    int rows() const { return valid() ? bytes_[2] : 0; }
    int cell() const { return valid() ? bytes_[3] : 0; }
    int spacing() const { return valid() ? bytes_[4] : 0; }

    // Width in columns of glyph k (0 <= k < glyphCount()); 0 for any other k.
    int glyphWidth(int k) const;
    // True when the LED at (row, column) of glyph k is lit; false outside the glyph.
    bool lit(int k, int row, int column) const;
    // The row bits of glyph k, most significant first, left-aligned in 16 bits; 0 outside
    // the glyph.
    std::uint16_t rowBits(int k, int row) const;

  private:
    const std::uint8_t* glyph(int k) const;
    std::span<const std::uint8_t> bytes_;
};

}  // namespace ztk::sim
