#include <gtest/gtest.h>

#include <vector>

#include "simcore/ledsurface.h"

namespace ztk::sim {
namespace {

// Records what each present showed.
struct RecordingSink : PresentSink {
    struct Frame {
        PixelRect area;
        std::uint32_t flashingRed;  // colour of a flashing red LED
        std::uint8_t firstPixel;
    };
    std::vector<Frame> frames;
    void present(const ScreenView& screen, const PixelRect& area) override {
        frames.push_back(
            {area, (*screen.colorTable)[kLedRed | kLedFlash], screen.scanLine(area.y)[area.x]});
    }
};

TEST(LedSurface, FlashingLedsAreLitTwentyFiveStepsAndDarkTwentyFive) {
    LedSurface surface(8, 8, 1, 3);
    const std::uint32_t lit = colorTableA(3)[kLedRed | kLedFlash];
    const std::uint32_t dark = colorTableB(3)[kLedRed | kLedFlash];
    ASSERT_NE(lit, dark);
    RecordingSink sink;
    // Each engine step ticks the phase and presents; the reset step counts as lit.
    surface.flashTick(true);
    surface.present(surface.bounds(), sink);
    for (int step = 1; step < 100; ++step) {
        surface.flashTick();
        surface.present(surface.bounds(), sink);
    }
    ASSERT_EQ(sink.frames.size(), 100u);
    for (int step = 0; step < 100; ++step) {
        const bool shouldBeLit = (step / 25) % 2 == 0;
        EXPECT_EQ(sink.frames[step].flashingRed, shouldBeLit ? lit : dark) << "step " << step;
    }
    // A reset in the middle of a dark phase lights the flashing LEDs at once and starts a
    // full lit phase.
    ASSERT_FALSE(surface.flashLit());
    surface.flashTick(true);
    EXPECT_TRUE(surface.flashLit());
    EXPECT_EQ(surface.flashCountdown(), kFlashPhaseSteps);
}

TEST(LedSurface, PresentHandsTheAreaInPixelsClippedToTheSign) {
    LedSurface surface(10, 4, 2, 3);
    surface.canvas().fill({2, 1, 3, 2}, kLedGreen);
    surface.copyBlock({0, 0, 10, 4});
    RecordingSink sink;
    surface.present({2, 1, 3, 2}, sink);
    surface.present({8, 3, 5, 5}, sink);
    surface.present({20, 0, 1, 1}, sink);  // outside: nothing to present
    ASSERT_EQ(sink.frames.size(), 2u);
    EXPECT_EQ(sink.frames[0].area, (PixelRect{6, 3, 9, 6}));
    EXPECT_EQ(sink.frames[0].firstPixel, kLedGreen);
    EXPECT_EQ(sink.frames[1].area, (PixelRect{24, 9, 6, 3}));
    // The canvas is the engine's page: clearing it leaves the screen as it is.
    surface.clear(surface.bounds());
    EXPECT_EQ(surface.canvas().at(3, 1), kLedOff);
    EXPECT_EQ(surface.screen().led(3, 1), kLedGreen);
}

}  // namespace
}  // namespace ztk::sim
