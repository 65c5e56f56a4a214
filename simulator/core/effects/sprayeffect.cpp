// SPDX-License-Identifier: MIT
#include "simcore/effects/sprayeffect.h"

#include "ledframe.h"
#include "scatterorder.h"

namespace ztk::sim {

SprayEffect::SprayEffect() : PacedEffect(2) {}
SprayEffect::~SprayEffect() = default;

int SprayEffect::begin(LedSurface& surface) {
    page_ = stagePage(surface);
    frame_ = std::make_unique<LedFrame>(area(), LedBitmap(area().width, area().height));
    frame_->touch(frame_->leds().bounds());
    frame_->flush(surface);
    blocks_ = (area().width + kBlockColumns - 1) / kBlockColumns;
    return kScatterPhases * blocks_;
}

void SprayEffect::show(int block, int at, int y) {
    frame_->put(page_, {block * kBlockColumns, y, kBlockColumns, 1}, at * kBlockColumns, y);
}

void SprayEffect::move(LedSurface& surface, int index) {
    // Pieces of one row enter eight blocks apart and never pass a settled one, so each can
    // leave its block and take the next without disturbing another.
    std::size_t kept = 0;
    for (Piece p : travelling_) {
        frame_->clear({p.at * kBlockColumns, p.y, kBlockColumns, 1});
        --p.at;
        show(p.block, p.at, p.y);
        if (p.at > p.block) travelling_[kept++] = p;
    }
    travelling_.resize(kept);

    const int block = index / kScatterPhases;
    if (block < blocks_) {
        const int last = blocks_ - 1;
        for (int y = kSprayOrder[index % kScatterPhases]; y < area().height; y += kScatterPhases) {
            show(block, last, y);
            if (block < last) travelling_.push_back({block, last, y});
        }
    }
    frame_->flush(surface);
}

}  // namespace ztk::sim
