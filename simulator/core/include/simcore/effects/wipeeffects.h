// SPDX-License-Identifier: MIT
#pragma once
// The wipes: the page is revealed in place over what is shown, every 2 steps by one more row
// (up, down) or 4 more columns (left, right, in, out).

#include "simcore/effects/bandeffect.h"

namespace ztk::sim {

// From the bottom row up.
class WipeUpEffect : public BandEffect {
  public:
    WipeUpEffect() : BandEffect(Kind::Wipe) {}

  protected:
    std::vector<Band> bands() const override;
};

// From the top row down.
class WipeDownEffect : public BandEffect {
  public:
    WipeDownEffect() : BandEffect(Kind::Wipe) {}

  protected:
    std::vector<Band> bands() const override;
};

// From the right edge towards the left.
class WipeLeftEffect : public BandEffect {
  public:
    WipeLeftEffect() : BandEffect(Kind::Wipe) {}

  protected:
    std::vector<Band> bands() const override;
};

// From the left edge towards the right.
class WipeRightEffect : public BandEffect {
  public:
    WipeRightEffect() : BandEffect(Kind::Wipe) {}

  protected:
    std::vector<Band> bands() const override;
};

// From both edges towards the middle.
class WipeInEffect : public BandEffect {
  public:
    WipeInEffect() : BandEffect(Kind::Wipe) {}

  protected:
    std::vector<Band> bands() const override;
};

// From the middle towards both edges.
class WipeOutEffect : public BandEffect {
  public:
    WipeOutEffect() : BandEffect(Kind::Wipe) {}

  protected:
    std::vector<Band> bands() const override;
};

}  // namespace ztk::sim
