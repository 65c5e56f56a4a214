// SPDX-License-Identifier: MIT
#pragma once
// FlashEffect: the page appears at once and holds with its LEDs flashing (its text carries
// the flash attribute from the mode on). A page whose first line is empty makes every LED
// already lit in the area flash instead, for 150 steps.

#include "simcore/effect.h"

namespace ztk::sim {

// Steps an empty flash page flashes what is shown.
inline constexpr int kFlashShownSteps = 150;

class FlashEffect : public Effect {
  public:
    void pageComplete() override;
    int step(LedSurface& surface) override;
    int quietSteps() const override { return holdingStepsLeft(); }
};

}  // namespace ztk::sim
