// SPDX-License-Identifier: MIT
#include "simcore/effects/flasheffect.h"

#include "ledframe.h"

namespace ztk::sim {

void FlashEffect::pageComplete() {
    if (firstLineEmpty()) setDuration(kFlashShownSteps);
}

int FlashEffect::step(LedSurface& surface) {
    if (stepsDone() > 0) return holdStep(surface);
    if (firstLineEmpty()) {
        LedBitmap shown = shownLeds(surface, area());
        for (int y = 0; y < shown.rows(); ++y) {
            std::uint8_t* row = shown.row(y);
            for (int x = 0; x < shown.columns(); ++x)
                if (ledLit(row[x])) row[x] |= kLedFlash;
        }
        surface.copyBlock(shown, shown.bounds(), area().x, area().y);
    } else {
        showPage(surface, renderPage());
    }
    return countStep();
}

}  // namespace ztk::sim
