// SPDX-License-Identifier: MIT
#pragma once
// The colours of successive characters: plain colours, rainbow 1, rainbow 2 rotating per
// character, colour mix stepping through the sign's plain colours, flash, and the colour a
// shadow takes. The display engine carries one ColorState through its layout.

#include <array>
#include <cstdint>

namespace ztk::sim {

// The palette indices of one glyph: top, middle and bottom band, and its shadow.
struct GlyphColors {
    std::array<std::uint8_t, 3> bands{11, 11, 11};
    std::uint8_t shadow = 12;
    friend bool operator==(const GlyphColors&, const GlyphColors&) = default;
};

class ColorState {
  public:
    // For a sign of `colors` colours (taken as 1-8); the colour starts as red.
    explicit ColorState(int colors);

    // A colour selection (a colour entry, or an autocolour pick): colour id 11-18 plain,
    // 1 rainbow 1, 2 rainbow 2, 0 colour mix; the autocolour bit 0x8000 is ignored and any
    // other id is red. Colour mix starts at 11 + (selections made before, modulo colors),
    // rainbow 2 at the same count modulo 3.
    void select(std::uint16_t colorId);
    // The colour id now in force (without the autocolour bit).
    std::uint16_t current() const { return current_; }
    int selections() const { return selections_; }

    // The colours of the next character with attributes `attrs` (flash adds 128), advancing
    // colour mix and rainbow 2 by one character.
    GlyphColors next(std::uint16_t attrs);

  private:
    int colors_;
    std::uint16_t current_ = 11;
    int selections_ = 0;
    int mix_ = 0;       // colour mix: index into the sign's plain colours
    int rotation_ = 0;  // rainbow 2: rotation of red, green, amber
};

// The contrasting colour of a plain colour for shadows: red <-> green, dim red <-> dim green,
// anything else red.
std::uint8_t shadowColorOf(std::uint8_t plainColor);

}  // namespace ztk::sim
