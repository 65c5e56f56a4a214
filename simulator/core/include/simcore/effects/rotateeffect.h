// SPDX-License-Identifier: MIT
#pragma once
// RotateEffect: the page (one unbounded line) enters at the right edge and the display moves
// left one column every 2 steps, the text shown before it moving out at the left. Once its
// last column has come in, the page ends when flashing LEDs have just come on, so a text that
// repeats runs on without a gap.

#include <memory>

#include "simcore/effects/flashendingeffect.h"

namespace ztk::sim {

class ContentStrip;

class RotateEffect : public FlashEndingEffect {
  public:
    RotateEffect();
    ~RotateEffect() override;

    int step(LedSurface& surface) override;
    // The step between two moves only counts.
    int quietSteps() const override;

  private:
    std::unique_ptr<ContentStrip> strip_;
    int columns_ = 0;
};

}  // namespace ztk::sim
