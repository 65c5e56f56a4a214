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
        const long long motion = static_cast<long long>(moves_) * stepsPerMove_;
        if (motion > duration())
            setDuration(
                static_cast<int>(std::min<long long>(motion, std::numeric_limits<int>::max())));
    } else {
        surface.flashTick();
    }
    if (s % stepsPerMove_ == 0 && s / stepsPerMove_ < moves_) move(surface, s / stepsPerMove_);
    return countStep();
}

}  // namespace ztk::sim
