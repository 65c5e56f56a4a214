// SPDX-License-Identifier: MIT
#pragma once
// SwitchEffect: bands of 16 columns from the left (8 where fewer than 16 are left) roll in
// vertically in turn: the first moves down, bringing the page in from its bottom row, the
// next moves up, bringing it in from its top row, and so on.

#include "simcore/effects/bandeffect.h"

namespace ztk::sim {

class SwitchEffect : public BandEffect {
  public:
    SwitchEffect() : BandEffect(Kind::Roll) {}

  protected:
    std::vector<Band> bands() const override;
};

}  // namespace ztk::sim
