// SPDX-License-Identifier: MIT
#include "simcore/effects/rotateeffect.h"

#include <algorithm>

#include "contentstrip.h"

namespace ztk::sim {

RotateEffect::RotateEffect() = default;
RotateEffect::~RotateEffect() = default;

int RotateEffect::step(LedSurface& surface) {
    const int s = stepsDone();
    const LedRect& a = area();
    if (s == 0) {
        columns_ = contentWidth();
        strip_ = std::make_unique<ContentStrip>(lines(), firstLineTop(), a.height);
    }
    // The motion lasts 2 steps a column; its last step may already end the page.
    const long long motion = 2LL * columns_;
    // The flash phase rests while the text moves and runs while the page waits for it, so
    // a text that repeats finds it lit again at once and runs on without a stall.
    if (s >= motion && s > 0) surface.flashTick();
    if (s % 2 == 0 && s / 2 < columns_ && !a.empty()) {
        const ContentStrip::Column c = strip_->column(s / 2);
        surface.shift(a, ShiftDirection::Left, 1);
        surface.copyBlock(*c.bitmap, {c.x, 0, 1, a.height}, a.right() - 1, a.y);
    }
    if (s + 1 >= motion) return endAtFlash(surface);
    return goOn(static_cast<int>(std::min<long long>(motion - s - 1, 1 << 30)));
}

int RotateEffect::quietSteps() const {
    const int next = stepsDone();
    // An odd step of the motion moves nothing; the last ones may end the page.
    return next > 0 && next % 2 == 1 && next + 1 < 2LL * columns_ ? 1 : 0;
}

}  // namespace ztk::sim
