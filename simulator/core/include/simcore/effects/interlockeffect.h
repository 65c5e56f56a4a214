// SPDX-License-Identifier: MIT
#pragma once
// InterlockEffect: bands of rows roll in from alternate sides, a 3-row band moving left, then
// a 5-row band moving right, from the top of the area down (the last band takes the rows that
// are left). On areas of 8 rows or fewer with the fixed line height every band is one row.

#include "simcore/effects/bandeffect.h"

namespace ztk::sim {

class InterlockEffect : public BandEffect {
  public:
    InterlockEffect() : BandEffect(Kind::Roll) {}

  protected:
    std::vector<Band> bands() const override;
};

}  // namespace ztk::sim
