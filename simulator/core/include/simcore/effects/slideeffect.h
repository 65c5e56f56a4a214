// SPDX-License-Identifier: MIT
#pragma once
// SlideEffect: the area is cleared and the page slides in from the right in 8-column blocks,
// one block at a time from the left: each enters at the right edge and travels left 8
// columns every 2 steps until it reaches its place.

#include <memory>

#include "simcore/effects/pacedeffect.h"

namespace ztk::sim {

class LedFrame;

class SlideEffect : public PacedEffect {
  public:
    SlideEffect();
    ~SlideEffect() override;

  private:
    int begin(LedSurface& surface) override;
    void move(LedSurface& surface, int index) override;

    LedBitmap page_;
    std::unique_ptr<LedFrame> frame_;
    int blocks_ = 0;
    int block_ = 0;  // the block travelling now
    int at_ = -1;    // the block it is shown in; -1 before it has entered
};

}  // namespace ztk::sim
