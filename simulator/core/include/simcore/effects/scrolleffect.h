// SPDX-License-Identifier: MIT
#pragma once
// ScrollEffect: the lines enter one by one at the bottom of the area, pushing the display up
// one row every 12 steps; each line, once fully in, holds for the page's duration before the
// next one enters. After the last line the text leaves at the top the same way, and the page
// ends as a rotating one does, when flashing LEDs have just come on.

#include <cstddef>

#include "simcore/effects/flashendingeffect.h"

namespace ztk::sim {

// Steps between two rows pushed in or out.
inline constexpr int kScrollStepsPerRow = 12;

class ScrollEffect : public FlashEndingEffect {
  public:
    int step(LedSurface& surface) override;

  private:
    enum class Phase { Entering, Holding, Leaving, Ending };

    // Gets line `index` ready to enter, or starts leaving after the last line.
    void startLine(std::size_t index);
    // Pushes the display up one row and shows `row` of `from` in the bottom row.
    void push(LedSurface& surface, const LedBitmap& from, int row);
    // The steps still to go after this one, for the engine's information.
    int estimateLeft() const;

    Phase phase_ = Phase::Entering;
    std::size_t line_ = 0;
    LedBitmap lineLeds_;  // the entering line at the area's width
    LedBitmap blankRow_;
    int hold_ = 0;       // steps each line holds: the page's duration
    int rows_ = 0;       // rows of the current phase (line height, or rows leaving)
    int phaseStep_ = 0;  // steps done in the current phase
    int rowsShown_ = 0;  // rows of text pushed in so far
};

}  // namespace ztk::sim
