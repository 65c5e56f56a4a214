// SPDX-License-Identifier: MIT
#include "simcore/presentpacer.h"

#include <algorithm>

namespace ztk::sim {

namespace {

PixelRect united(const PixelRect& a, const PixelRect& b) {
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    const int right = std::max(a.x + a.width, b.x + b.width);
    const int bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

}  // namespace

PresentPacer::PresentPacer(PresentSink& target, Clock::duration interval, Now now)
    : target_(target), interval_(interval), now_(std::move(now)) {}

void PresentPacer::present(const ScreenView& screen, const PixelRect& area) {
    if (area.width > 0 && area.height > 0) {
        if (!dirty_) dirtySince_ = now_();
        dirty_ = dirty_ ? united(*dirty_, area) : area;
    }
    if (!dirty_) return;
    const Clock::time_point now = now_();
    if (!last_ || now - *last_ >= interval_) handOver(screen);
}

void PresentPacer::flush(const ScreenView& screen) {
    if (dirty_) handOver(screen);
}

void PresentPacer::handOver(const ScreenView& screen) {
    const PixelRect area = *dirty_;
    dirty_.reset();
    // The interval runs from when the frame began to change, not from when it was handed
    // over: a frame held back once does not hold back every later one by the same delay
    // (changes every 20 ms would otherwise all reach the window a step late).
    last_ = dirtySince_;
    target_.present(screen, area);
}

}  // namespace ztk::sim
