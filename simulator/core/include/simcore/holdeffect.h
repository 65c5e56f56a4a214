// SPDX-License-Identifier: MIT
#pragma once
// HoldEffect: the page appears at once and stays for its duration while flashing LEDs
// blink. Also what every mode without an effect of its own shows.

#include "simcore/effect.h"

namespace ztk::sim {

class HoldEffect : public Effect {
  public:
    // First step: clears the area and draws the page (a page whose first line is empty
    // lasts 25 steps); later steps hold, ticking the flash phase.
    int step(LedSurface& surface) override;
    int quietSteps() const override { return holdingStepsLeft(); }
};

}  // namespace ztk::sim
