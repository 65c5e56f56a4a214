// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <vector>

#include "simcore/ledsurface.h"

namespace ztk::sim {
namespace {

// Records the area and the colour of a flashing red LED at each present.
struct RecordingSink : PresentSink {
    std::vector<std::pair<PixelRect, std::uint32_t>> frames;
    void present(const ScreenView& screen, const PixelRect& area) override {
        frames.emplace_back(area, (*screen.colorTable)[kLedRed | kLedFlash]);
    }
};

TEST(LedSurface, FlashPhasesAndPresentedAreas) {
    LedSurface surface(8, 8, 1, 3);
    const std::uint32_t lit = colorTableA(3)[kLedRed | kLedFlash];
    const std::uint32_t dark = colorTableB(3)[kLedRed | kLedFlash];
    RecordingSink sink;
    // Each engine step ticks and presents; the reset step counts as lit.
    for (int step = 0; step < 100; ++step) {
        surface.flashTick(step == 0);
        surface.present(surface.bounds(), sink);
        EXPECT_EQ(sink.frames.back().second, (step / 25) % 2 == 0 ? lit : dark) << step;
    }
    // A reset in a dark phase lights the flashing LEDs at once for a full phase.
    ASSERT_FALSE(surface.flashLit());
    surface.flashTick(true);
    EXPECT_TRUE(surface.flashLit());
    EXPECT_EQ(surface.flashCountdown(), kFlashPhaseSteps);
    // Areas are handed over in pixels, clipped to the sign; nothing outside it.
    surface.present({7, 6, 5, 5}, sink);
    surface.present({9, 0, 1, 1}, sink);
    EXPECT_EQ(sink.frames.size(), 101u);
    EXPECT_EQ(sink.frames.back().first, (PixelRect{14, 12, 2, 4}));
}

}  // namespace
}  // namespace ztk::sim
