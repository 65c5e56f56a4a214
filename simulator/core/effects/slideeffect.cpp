// SPDX-License-Identifier: MIT
#include "simcore/effects/slideeffect.h"

#include <algorithm>
#include <limits>

#include "ledframe.h"
#include "simcore/effects/sprayeffect.h"

namespace ztk::sim {

SlideEffect::SlideEffect() : PacedEffect(2) {}
SlideEffect::~SlideEffect() = default;

int SlideEffect::begin(LedSurface& surface) {
    page_ = stagePage(surface);
    frame_ = std::make_unique<LedFrame>(area(), LedBitmap(area().width, area().height));
    frame_->touch(frame_->leds().bounds());
    frame_->flush(surface);
    blocks_ = (area().width + kBlockColumns - 1) / kBlockColumns;
    // Block b makes blocks - b moves: it enters, then travels to its place.
    const long long moves = static_cast<long long>(blocks_) * (blocks_ + 1) / 2;
    return static_cast<int>(std::min<long long>(moves, std::numeric_limits<int>::max() / 2));
}

void SlideEffect::move(LedSurface& surface, int) {
    if (block_ >= blocks_) return;
    const int h = area().height;
    if (at_ < 0) {
        at_ = blocks_ - 1;
    } else {
        frame_->clear({at_ * kBlockColumns, 0, kBlockColumns, h});
        --at_;
    }
    frame_->put(page_, {block_ * kBlockColumns, 0, kBlockColumns, h}, at_ * kBlockColumns, 0);
    frame_->flush(surface);
    if (at_ == block_) {
        ++block_;
        at_ = -1;
    }
}

}  // namespace ztk::sim
