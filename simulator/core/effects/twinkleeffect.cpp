// SPDX-License-Identifier: MIT
#include "simcore/effects/twinkleeffect.h"

#include <array>

#include "ledframe.h"

namespace ztk::sim {

namespace {

// The first dark column of a row, by (phase + row) modulo 4.
constexpr std::array<int, 4> kFirstDark = {0, 3, 2, 1};

}  // namespace

void TwinkleEffect::pageComplete() {
    if (duration() <= 1 || firstLineEmpty()) setDuration(kTwinkleSteps);
}

int TwinkleEffect::step(LedSurface& surface) {
    const int s = stepsDone();
    const LedRect& a = area();
    if (s == 0) {
        if (firstLineEmpty()) {
            page_ = shownLeds(surface, a);
        } else {
            page_ = renderPage();
            surface.canvas().copyFrom(page_, page_.bounds(), a.x, a.y);
        }
        frame_ = page_;
    } else {
        surface.flashTick();
    }
    if (s + 1 >= duration()) {
        surface.copyBlock(page_, page_.bounds(), a.x, a.y);
    } else if (s % 2 == 0) {
        // The dark columns move every 2 steps; in between the frame stays as it is.
        const int phase = s / 2;
        frame_.copyFrom(page_, page_.bounds(), 0, 0);
        for (int y = 0; y < frame_.rows(); ++y) {
            std::uint8_t* row = frame_.row(y);
            for (int x = kFirstDark[(phase + y) % 4]; x < frame_.columns(); x += 4)
                row[x] = kLedOff;
        }
        surface.copyBlock(frame_, frame_.bounds(), a.x, a.y);
    }
    return countStep();
}

}  // namespace ztk::sim
