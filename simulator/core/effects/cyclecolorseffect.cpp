// SPDX-License-Identifier: MIT
#include "simcore/effects/cyclecolorseffect.h"

#include <algorithm>
#include <array>

#include "ledframe.h"

namespace ztk::sim {

namespace {

constexpr std::array<std::uint8_t, 8> kCycle = {kLedRed,      kLedDimRed, kLedAmber,  kLedGreen,
                                                kLedDimGreen, kLedBrown,  kLedOrange, kLedYellow};

}  // namespace

void CycleColorsEffect::pageComplete() {
    setDuration(std::max(duration(), kCycleColorsMinSteps));
}

int CycleColorsEffect::begin(LedSurface& surface) {
    page_ = stagePage(surface);
    frame_ = page_;
    frames_ = std::max(duration(), kCycleColorsMinSteps) / 4;
    return frames_;
}

void CycleColorsEffect::move(LedSurface& surface, int f) {
    // Rows below the limit show the page's own colours; the limit rises as frames go by.
    const int cycling = std::clamp(frames_ - f - 1, 0, frame_.rows());
    for (int y = 0; y < frame_.rows(); ++y) {
        const std::uint8_t* from = page_.row(y);
        std::uint8_t* to = frame_.row(y);
        if (y >= cycling) {
            std::copy(from, from + frame_.columns(), to);
            continue;
        }
        const std::uint8_t color = kCycle[static_cast<std::size_t>(f + y) % kCycle.size()];
        for (int x = 0; x < frame_.columns(); ++x)
            to[x] = ledLit(from[x]) ? static_cast<std::uint8_t>(color | (from[x] & kLedFlash))
                                    : from[x];
    }
    surface.copyBlock(frame_, frame_.bounds(), area().x, area().y);
}

}  // namespace ztk::sim
