// SPDX-License-Identifier: MIT
#pragma once
// CycleColorsEffect: the page is shown with its lit LEDs cycling through the sign's colours,
// each row one colour further on, changing every 4 steps; the rows settle into the page's
// own colours from the bottom up, the last frame showing the page whole. It lasts at least
// 200 steps whatever the page's speed. The page stands in place, so its flashing LEDs flash
// throughout.

#include "simcore/effects/pacedeffect.h"

namespace ztk::sim {

// Fewest steps a colour-cycling page lasts.
inline constexpr int kCycleColorsMinSteps = 200;

class CycleColorsEffect : public PacedEffect {
  public:
    CycleColorsEffect() : PacedEffect(4, Flash::Throughout) {}

    void pageComplete() override;

  private:
    int begin(LedSurface& surface) override;
    void move(LedSurface& surface, int frame) override;

    LedBitmap page_;
    LedBitmap frame_;
    int frames_ = 0;
};

}  // namespace ztk::sim
