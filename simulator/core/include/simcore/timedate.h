// SPDX-License-Identifier: MIT
#pragma once
// Time and date items: the text for a time/date code, formatted from a clock value when the
// item is made, and drawn as glyph items one after the other.

#include <cstdint>
#include <string>
#include <vector>

#include "simcore/colorstate.h"
#include "simcore/ledfont.h"
#include "simcore/textitem.h"

namespace ztk::sim {

// A wall-clock value. Month 1-12, day 1-31, weekday 0 (Sunday) to 6, hour 0-23, minute 0-59.
struct ClockValue {
    int year = 2000;
    int month = 1;
    int day = 1;
    int weekday = 6;
    int hour = 0;
    int minute = 0;
};

// The text of time/date code `code` (0 time, '0'-'9' date formats, 28 and 29 the fixed
// temperature texts, anything else empty). Character 0xA9 is the degree sign; "~" is a
// blank glyph.
std::string timeDateText(int code, const ClockValue& clock, bool hour24);

class TimeDateItem {
  public:
    // The text of `code` at `clock`, each character coloured by `colors` in turn. `fonts`
    // must outlive the item.
    TimeDateItem(int code, const ClockValue& clock, bool hour24, const LedFonts& fonts, int fontId,
                 std::uint16_t attrs, ColorState& colors);

    const std::string& text() const { return text_; }
    int fontId() const { return fontId_; }
    std::uint16_t attrs() const { return attrs_; }
    const std::vector<TextItem>& glyphs() const { return glyphs_; }

    int width() const;
    int height() const;
    // One per character.
    int weight() const { return static_cast<int>(glyphs_.size()); }

    // Reduces the item until it is at most `maxWidth` columns wide: double wide off; else
    // wide off; else shadow off; else font 2 (once); else the last character dropped.
    void fitWidth(int maxWidth);

    // Draws the glyphs one after the other from (x, y), bottom-aligned in `lineHeight`.
    void draw(LedBitmap& dst, int x, int y, int lineHeight) const;

  private:
    void rebuild();

    const LedFonts* fonts_;
    std::string text_;
    std::vector<GlyphColors> colors_;
    int fontId_;
    std::uint16_t attrs_;
    bool fontChanged_ = false;
    std::vector<TextItem> glyphs_;
};

}  // namespace ztk::sim
