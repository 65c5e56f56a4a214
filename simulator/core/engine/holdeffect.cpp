// SPDX-License-Identifier: MIT
#include "simcore/holdeffect.h"

namespace ztk::sim {

int HoldEffect::step(LedSurface& surface) {
    if (stepsDone() > 0) return holdStep(surface);
    if (firstLineEmpty()) setDuration(kEmptyPageSteps);
    showPage(surface, renderPage());
    return countStep();
}

}  // namespace ztk::sim
