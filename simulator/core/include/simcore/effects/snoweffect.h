// SPDX-License-Identifier: MIT
#pragma once
// SnowEffect: the page falls into the cleared area like snow and settles from the bottom up.
// Every 3 steps every falling LED drops one row, and one eighth of the LEDs of the next page
// row (every eighth column, starting at column 0, 3, 7, 1, 5, 4, 2, 6 for phases 0-7) is
// dropped in at the top; after eight phases the next row up is fed. An LED falls until it
// reaches its own row, so the page settles exactly.

#include <cstdint>
#include <memory>
#include <vector>

#include "simcore/effects/pacedeffect.h"

namespace ztk::sim {

class LedFrame;

class SnowEffect : public PacedEffect {
  public:
    SnowEffect();
    ~SnowEffect() override;

  private:
    struct Flake {
        std::int32_t x;
        std::int32_t y;
        std::int32_t row;  // the page row it settles in
    };

    int begin(LedSurface& surface) override;
    void move(LedSurface& surface, int index) override;

    LedBitmap page_;
    std::unique_ptr<LedFrame> frame_;
    std::vector<Flake> falling_;
};

}  // namespace ztk::sim
