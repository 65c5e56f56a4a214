// SPDX-License-Identifier: MIT
#pragma once
// StarburstEffect: the area is cut into cells 16 columns wide (areas of 16 rows or more) or
// 10 wide, the last cell moved left to end at the area's right edge. Cell by cell, in a
// scattered order, a burst picture is shown centred in the cell (9 steps; 7 on small areas),
// then the cell shows its part of the page (3 steps; 5 on small areas).

#include <memory>

#include "simcore/effects/pacedeffect.h"

namespace ztk::sim {

class LedFrame;

// The cell shown at visit k (0-based) of n cells: with m = n / 2, visit 2m shows the last
// cell; otherwise odd visits show their own cell and even ones the cell m further on when
// m is even; when m is odd the two rules swap halves. Over 8 cells: 4, 1, 6, 3, 0, 5, 2, 7.
int starburstCell(int visit, int cells);

class StarburstEffect : public PacedEffect {
  public:
    StarburstEffect();
    ~StarburstEffect() override;

  private:
    int begin(LedSurface& surface) override;
    void move(LedSurface& surface, int index) override;
    // The rectangle of cell `cell`, in area coordinates.
    LedRect cellRect(int cell) const;

    LedBitmap page_;
    std::unique_ptr<LedFrame> frame_;
    bool large_ = true;
    int cells_ = 0;
};

}  // namespace ztk::sim
