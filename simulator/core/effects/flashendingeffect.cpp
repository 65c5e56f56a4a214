// SPDX-License-Identifier: MIT
#include "simcore/effects/flashendingeffect.h"

#include <algorithm>
#include <limits>

namespace ztk::sim {

bool FlashEndingEffect::flashJustLit(const LedSurface& surface) {
    return surface.flashLit() && surface.flashCountdown() > 1;
}

int FlashEndingEffect::goOn(int stillToGo) {
    const long long end = static_cast<long long>(stepsDone()) + 1 + std::max(stillToGo, 1);
    setDuration(static_cast<int>(std::min<long long>(end, std::numeric_limits<int>::max())));
    return countStep();
}

int FlashEndingEffect::endNow() {
    setDuration(stepsDone() + 1);
    return countStep();
}

int FlashEndingEffect::endAtFlash(const LedSurface& surface) {
    if (flashJustLit(surface)) return endNow();
    // At most one whole phase and the rest of this one before the lit phase starts again.
    return goOn(surface.flashLit() ? 1 : surface.flashCountdown());
}

}  // namespace ztk::sim
