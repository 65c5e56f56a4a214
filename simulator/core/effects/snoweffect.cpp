// SPDX-License-Identifier: MIT
#include "simcore/effects/snoweffect.h"

#include <algorithm>

#include "ledframe.h"
#include "scatterorder.h"

namespace ztk::sim {

SnowEffect::SnowEffect() : PacedEffect(3) {}
SnowEffect::~SnowEffect() = default;

int SnowEffect::begin(LedSurface& surface) {
    page_ = stagePage(surface);
    frame_ = std::make_unique<LedFrame>(area(), LedBitmap(area().width, area().height));
    frame_->touch(frame_->leds().bounds());
    frame_->flush(surface);
    return kScatterPhases * area().height;
}

void SnowEffect::move(LedSurface& surface, int index) {
    LedBitmap& leds = frame_->leds();
    // Falling LEDs of one column are eight rows apart and never pass a settled one, so each
    // can leave its row and take the next without disturbing another.
    int lowest = 0;
    std::size_t kept = 0;
    for (Flake f : falling_) {
        leds.set(f.x, f.y, kLedOff);
        ++f.y;
        leds.set(f.x, f.y, page_.at(f.x, f.row));
        lowest = std::max(lowest, f.y);
        if (f.y < f.row) falling_[kept++] = f;
    }
    falling_.resize(kept);

    const int row = area().height - 1 - index / kScatterPhases;
    if (row >= 0) {
        const std::uint8_t* from = page_.row(row);
        for (int x = kScatterOrder[index % kScatterPhases]; x < leds.columns();
             x += kScatterPhases) {
            // An unlit LED has nothing to show on its way down; it is already off in its row.
            if (!ledLit(from[x])) continue;
            leds.set(x, 0, from[x]);
            if (row > 0) falling_.push_back({x, 0, row});
        }
    }
    frame_->touch({0, 0, leds.columns(), lowest + 1});
    frame_->flush(surface);
}

}  // namespace ztk::sim
