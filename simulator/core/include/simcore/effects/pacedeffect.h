// SPDX-License-Identifier: MIT
#pragma once
// PacedEffect: a display mode that brings its page on in a known number of moves, one move
// every few steps, and then holds (ticking the flash phase) for what is left of the page's
// duration. The flash phase rests during the motion, unless the page stands in place all
// along and only its colours change. The motion is always shown whole: a page whose
// duration is shorter lasts as long as its motion.

#include "simcore/effect.h"

namespace ztk::sim {

class PacedEffect : public Effect {
  public:
    // Move k happens on step k x stepsPerMove(); the first step prepares the moves.
    int step(LedSurface& surface) final;
    // Once the motion is done the page only holds.
    int quietSteps() const final { return stepsDone() >= motionSteps() ? holdingStepsLeft() : 0; }

  protected:
    // When the flash phase ticks: only while the page holds after its motion, or on every
    // step after the first (a page shown in place whose moves only recolour it).
    enum class Flash { AfterMotion, Throughout };

    explicit PacedEffect(int stepsPerMove, Flash flash = Flash::AfterMotion)
        : stepsPerMove_(stepsPerMove < 1 ? 1 : stepsPerMove), flash_(flash) {}

    // Prepares the motion on the first step, before move 0; returns the number of moves.
    virtual int begin(LedSurface& surface) = 0;
    // Does move `index` (0-based, in order).
    virtual void move(LedSurface& surface, int index) = 0;

    // Renders the page and puts it into the surface's canvas at the area, without showing
    // it, so moves can copy parts of it to the screen. Returns the area-sized page.
    LedBitmap stagePage(LedSurface& surface) const;

    int stepsPerMove() const { return stepsPerMove_; }
    int moves() const { return moves_; }

  private:
    // Steps the motion takes: the steps of every move, the pause after the last included.
    long long motionSteps() const { return static_cast<long long>(moves_) * stepsPerMove_; }

    int stepsPerMove_;
    Flash flash_;
    int moves_ = 0;
};

}  // namespace ztk::sim
