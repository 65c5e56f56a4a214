// SPDX-License-Identifier: MIT
#pragma once
// SparkleEffect: the page replaces what is shown in 8 phases 10 steps apart; each phase
// copies every eighth LED of each row, starting at column 0, 3, 7, 1, 5, 4, 2 or 6 by phase
// and row, so the new page appears as scattered dots.

#include "simcore/effects/pacedeffect.h"

namespace ztk::sim {

class SparkleEffect : public PacedEffect {
  public:
    SparkleEffect() : PacedEffect(10) {}

  private:
    int begin(LedSurface& surface) override;
    void move(LedSurface& surface, int index) override;

    LedBitmap page_;
    LedBitmap frame_;
};

}  // namespace ztk::sim
