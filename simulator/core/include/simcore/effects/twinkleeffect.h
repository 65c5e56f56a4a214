// SPDX-License-Identifier: MIT
#pragma once
// TwinkleEffect: the page is shown with every fourth LED of each row dark, the dark columns
// moving every 2 steps (starting at column 0, 3, 2 or 1 by phase and row); the last step
// shows the page whole. A page without a hold of its own twinkles for 100 steps; a page whose
// first line is empty twinkles what is already shown, for 100 steps.

#include "simcore/effect.h"

namespace ztk::sim {

// Steps of a twinkle page that has no hold of its own.
inline constexpr int kTwinkleSteps = 100;

class TwinkleEffect : public Effect {
  public:
    void pageComplete() override;
    int step(LedSurface& surface) override;

  private:
    LedBitmap page_;
    LedBitmap frame_;
};

}  // namespace ztk::sim
