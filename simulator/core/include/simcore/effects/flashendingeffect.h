// SPDX-License-Identifier: MIT
#pragma once
// FlashEndingEffect: a mode whose length is not set by the page's duration but by its own
// motion (rotate, scroll). Once the motion is done it ends at the first step at which
// flashing LEDs are lit with more than one tick of the phase to go, so the next page starts
// at the beginning of a lit phase.

#include "simcore/effect.h"

namespace ztk::sim {

class FlashEndingEffect : public Effect {
  protected:
    // True when flashing LEDs are lit with more than one tick of the phase left.
    static bool flashJustLit(const LedSurface& surface);
    // Counts a step of a page that goes on for about `stillToGo` more steps (at least 1).
    int goOn(int stillToGo);
    // Counts the page's last step; returns 0.
    int endNow();
    // The steps after the motion: ends when flashJustLit(), goes on otherwise.
    int endAtFlash(const LedSurface& surface);
};

}  // namespace ztk::sim
