// SPDX-License-Identifier: MIT
#pragma once
// Helpers the effects share for their private bitmaps: what a palette index means, what the
// screen shows in an area now, and a frame of the area that is painted only where it changed.

#include <cstdint>

#include "simcore/ledbitmap.h"
#include "simcore/ledsurface.h"
#include "simcore/palette.h"

namespace ztk::sim {

// True for an LED that shows a colour (flashing or not); off and black are not lit.
inline bool ledLit(std::uint8_t index) {
    const int led = index & 0x7F;
    return led >= kLedRed && led <= kLedYellow;
}

// What the screen shows in `area` now, one index per LED, as an area-sized bitmap.
LedBitmap shownLeds(const LedSurface& surface, const LedRect& area);

// An area-sized bitmap that an effect edits freely and then brings on screen; only the
// rectangle touched since the last flush is painted.
class LedFrame {
  public:
    LedFrame() = default;
    // A frame of `area` (in sign LEDs) starting as `leds` (area-sized).
    LedFrame(const LedRect& area, LedBitmap leds);

    LedBitmap& leds() { return leds_; }
    const LedBitmap& leds() const { return leds_; }
    // Marks `rect` (area coordinates) as changed.
    void touch(const LedRect& rect);
    // Copies `from` of `src` to (x, y) of the frame and marks it changed.
    void put(const LedBitmap& src, const LedRect& from, int x, int y);
    // Switches `rect` off and marks it changed.
    void clear(const LedRect& rect);
    // Paints the changed rectangle on screen and forgets it.
    void flush(LedSurface& surface);

  private:
    LedRect area_;
    LedBitmap leds_;
    LedRect dirty_;
};

}  // namespace ztk::sim
