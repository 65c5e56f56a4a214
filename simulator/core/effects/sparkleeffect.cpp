// SPDX-License-Identifier: MIT
#include "simcore/effects/sparkleeffect.h"

#include "ledframe.h"
#include "scatterorder.h"

namespace ztk::sim {

int SparkleEffect::begin(LedSurface& surface) {
    page_ = stagePage(surface);
    frame_ = shownLeds(surface, area());
    return kScatterPhases;
}

void SparkleEffect::move(LedSurface& surface, int phase) {
    for (int y = 0; y < frame_.rows(); ++y) {
        const std::uint8_t* from = page_.row(y);
        std::uint8_t* to = frame_.row(y);
        for (int x = kScatterOrder[(phase + y) % kScatterPhases]; x < frame_.columns();
             x += kScatterPhases)
            to[x] = from[x];
    }
    surface.copyBlock(frame_, frame_.bounds(), area().x, area().y);
}

}  // namespace ztk::sim
