// SPDX-License-Identifier: MIT
#pragma once
// A glyph item: one character of a line in a font, colours and attributes, drawn into a
// LedBitmap.

#include <cstdint>

#include "simcore/colorstate.h"
#include "simcore/ledbitmap.h"
#include "simcore/ledfont.h"

namespace ztk::sim {

class TextItem {
  public:
    // Character `character` (0-255; larger codes show as "?") in `font` with `attrs` and
    // `colors`. The item refers to the font's sets: `font` must outlive it. Double high is dropped
    // from the attributes when the font would be taller than the sign. " ", "~" and 0xAB are
    // blanks: they take width and draw nothing.
    TextItem(int character, const LedFont& font, std::uint16_t attrs, const GlyphColors& colors);

    int character() const { return character_; }
    int fontId() const { return fontId_; }
    std::uint16_t attrs() const { return attrs_; }
    const GlyphColors& colors() const { return colors_; }
    bool isBlank() const { return blank_; }
    // Width in columns, spacing and attributes included.
    int width() const { return width_; }
    // The height of the font as the item was made (the line height it needs).
    int height() const { return height_; }
    // Weight for page timing.
    int weight() const { return 1; }

    // Paints the glyph's lit LEDs into `dst` with its top left at (x, y) and its bottom on the
    // last row of a line `lineHeight` rows high. Rows that would fall above y (a line lower
    // than the font) are not painted; everything is clipped to `dst`.
    void draw(LedBitmap& dst, int x, int y, int lineHeight) const;

  private:
    void paintGlyph(LedBitmap& dst, int x, int top, int minY, std::uint8_t shadow) const;

    int character_;
    int fontId_;
    std::uint16_t attrs_;
    GlyphColors colors_;
    const CharSet* set_ = nullptr;  // the set the glyph comes from; null for no glyph
    int glyph_ = 0;                 // glyph index in *set_
    bool blank_ = false;
    bool widened_ = false;  // wide attribute paints the glyph twice
    int offset_ = 0;        // columns before the glyph (fixed-width centring)
    int width_ = 0;
    int height_ = 0;
    int glyphHeight_ = 0;  // rows the glyph's own rows are painted over
};

}  // namespace ztk::sim
