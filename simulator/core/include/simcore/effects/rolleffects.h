// SPDX-License-Identifier: MIT
#pragma once
// The rolls: the shown display moves out of the area while the page moves in behind it,
// every 2 steps by one row (up, down) or 4 columns (left, right, in, out).

#include "simcore/effects/bandeffect.h"

namespace ztk::sim {

// Moves up; page rows come in at the bottom, from the page's top row on.
class RollUpEffect : public BandEffect {
  public:
    RollUpEffect() : BandEffect(Kind::Roll) {}

  protected:
    std::vector<Band> bands() const override;
};

// Moves down; page rows come in at the top, from the page's bottom row on.
class RollDownEffect : public BandEffect {
  public:
    RollDownEffect() : BandEffect(Kind::Roll) {}

  protected:
    std::vector<Band> bands() const override;
};

// Moves left; page columns come in at the right, from the page's left end on.
class RollLeftEffect : public BandEffect {
  public:
    RollLeftEffect() : BandEffect(Kind::Roll) {}

  protected:
    std::vector<Band> bands() const override;
};

// Moves right; page columns come in at the left, from the page's right end on.
class RollRightEffect : public BandEffect {
  public:
    RollRightEffect() : BandEffect(Kind::Roll) {}

  protected:
    std::vector<Band> bands() const override;
};

// Each half moves towards the middle; page columns come in at both edges, from the middle of
// the page outwards.
class RollInEffect : public BandEffect {
  public:
    RollInEffect() : BandEffect(Kind::Roll) {}

  protected:
    std::vector<Band> bands() const override;
};

// Each half moves away from the middle; page columns come in at the middle, from the page's
// outer edges inwards.
class RollOutEffect : public BandEffect {
  public:
    RollOutEffect() : BandEffect(Kind::Roll) {}

  protected:
    std::vector<Band> bands() const override;
};

}  // namespace ztk::sim
