// SPDX-License-Identifier: MIT
#include "simcore/effects/pacedeffect.h"

#include <algorithm>
#include <limits>

namespace ztk::sim {

LedBitmap PacedEffect::stagePage(LedSurface& surface) const {
    LedBitmap page = renderPage();
    surface.canvas().copyFrom(page, page.bounds(), area().x, area().y);
    return page;
}

int PacedEffect::step(LedSurface& surface) {
    const int s = stepsDone();
    if (s == 0) {
        moves_ = std::max(begin(surface), 0);
        const long long motion = motionSteps();
        if (motion > duration())
            setDuration(
                static_cast<int>(std::min<long long>(motion, std::numeric_limits<int>::max())));
    } else if (flash_ == Flash::Throughout || s >= motionSteps()) {
        // The flash phase rests while the page moves in, so flashing LEDs show the phase they
        // had when it began; it runs on while the page holds.
        surface.flashTick();
    }
    if (s % stepsPerMove_ == 0 && s / stepsPerMove_ < moves_) move(surface, s / stepsPerMove_);
    return countStep();
}

}  // namespace ztk::sim
