// SPDX-License-Identifier: MIT
#include "ledframe.h"

#include <algorithm>

namespace ztk::sim {

LedBitmap shownLeds(const LedSurface& surface, const LedRect& area) {
    LedBitmap leds(area.width, area.height);
    leds.copyFrom(surface.screen().leds(), area, 0, 0);
    return leds;
}

LedFrame::LedFrame(const LedRect& area, LedBitmap leds) : area_(area), leds_(std::move(leds)) {}

void LedFrame::touch(const LedRect& rect) {
    const LedRect r = rect.intersected(leds_.bounds());
    if (r.empty()) return;
    if (dirty_.empty()) {
        dirty_ = r;
        return;
    }
    const int left = std::min(dirty_.x, r.x);
    const int top = std::min(dirty_.y, r.y);
    const int right = std::max(dirty_.right(), r.right());
    const int bottom = std::max(dirty_.bottom(), r.bottom());
    dirty_ = {left, top, right - left, bottom - top};
}

void LedFrame::put(const LedBitmap& src, const LedRect& from, int x, int y) {
    leds_.copyFrom(src, from, x, y);
    touch({x, y, from.width, from.height});
}

void LedFrame::clear(const LedRect& rect) {
    leds_.clear(rect);
    touch(rect);
}

void LedFrame::flush(LedSurface& surface) {
    if (dirty_.empty()) return;
    surface.copyBlock(leds_, dirty_, area_.x + dirty_.x, area_.y + dirty_.y);
    dirty_ = {};
}

}  // namespace ztk::sim
