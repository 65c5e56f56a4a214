// SPDX-License-Identifier: MIT
#pragma once
// SprayEffect: snow turned sideways. The area is cleared and cut into 8-column blocks; every
// 2 steps every travelling row piece moves one block to the left, and one eighth of the rows
// of the next page block (every eighth row, starting at row 0, 7, 1, 6, 2, 5, 3, 4 for phases
// 0-7) enters at the right edge; after eight phases the next block to the right is fed. A
// piece travels until it reaches its own block, so the page settles from the left exactly.

#include <cstdint>
#include <memory>
#include <vector>

#include "simcore/effects/pacedeffect.h"

namespace ztk::sim {

class LedFrame;

// Columns of a spray or slide block.
inline constexpr int kBlockColumns = 8;

class SprayEffect : public PacedEffect {
  public:
    SprayEffect();
    ~SprayEffect() override;

  private:
    struct Piece {
        std::int32_t block;  // the page block it comes from and settles in
        std::int32_t at;     // the block it is shown in now
        std::int32_t y;
    };

    int begin(LedSurface& surface) override;
    void move(LedSurface& surface, int index) override;
    // Shows the piece of page block `block`, row y, in block `at`.
    void show(int block, int at, int y);

    LedBitmap page_;
    std::unique_ptr<LedFrame> frame_;
    std::vector<Piece> travelling_;
    int blocks_ = 0;
};

}  // namespace ztk::sim
