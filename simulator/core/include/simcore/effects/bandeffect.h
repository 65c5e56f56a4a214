// SPDX-License-Identifier: MIT
#pragma once
// BandEffect: the rolls, wipes, interlock and switch. The area is cut into bands; each band
// either rolls (the screen moves and the next page columns or rows come in at its edge) or is
// wiped (the page is revealed from one edge on), every 2 steps, 4 columns or 1 row at a time.

#include <vector>

#include "simcore/effects/pacedeffect.h"
#include "simcore/screenbitmap.h"

namespace ztk::sim {

// Columns a horizontal roll or wipe moves every 2 steps.
inline constexpr int kBandColumnsPerMove = 4;

// One band: its rectangle in sign LEDs and the way it moves.
struct Band {
    LedRect rect;
    // Roll: the way the screen moves. Wipe: the way the revealed part grows.
    ShiftDirection direction = ShiftDirection::Left;
};

// Moves a band needs: one per row going up or down, one per 4 columns going left or right.
int bandMoves(const Band& band);

class BandEffect : public PacedEffect {
  public:
    enum class Kind { Roll, Wipe };

  protected:
    explicit BandEffect(Kind kind) : PacedEffect(2), kind_(kind) {}
    // The bands of the area, in sign LEDs.
    virtual std::vector<Band> bands() const = 0;

    // The left and right halves of the area (the right one takes an odd column).
    LedRect leftHalf() const;
    LedRect rightHalf() const;

  private:
    int begin(LedSurface& surface) override;
    void move(LedSurface& surface, int index) override;
    void rollTogether(LedSurface& surface, int index);

    Kind kind_;
    std::vector<Band> bands_;
};

}  // namespace ztk::sim
