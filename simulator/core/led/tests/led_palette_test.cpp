#include <gtest/gtest.h>

#include "simcore/palette.h"

namespace ztk::sim {
namespace {

std::uint32_t argb(int r, int g, int b) {
    return toArgb({std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)});
}

TEST(Palette, ThreeColourSignReducesDimAndMixedColours) {
    const ColorTable a = colorTableA(3);
    const std::uint32_t red = argb(255, 0, 0), green = argb(0, 255, 0), amber = argb(255, 195, 0);
    EXPECT_EQ(a[kLedOff], argb(64, 64, 64));
    EXPECT_EQ(a[kLedRed], red);
    EXPECT_EQ(a[kLedDimRed], red);
    EXPECT_EQ(a[kLedDimGreen], green);
    for (int i : {kLedAmber, kLedBrown, kLedOrange, kLedYellow})
        EXPECT_EQ(a[i], amber) << i;
    // Flashing LEDs take the same reduction.
    EXPECT_EQ(a[kLedDimRed | kLedFlash], red);
    EXPECT_EQ(a[kLedYellow | kLedFlash], amber);
    // Eight colours are shown as they are.
    EXPECT_EQ(colorTableA(8)[kLedOrange], argb(240, 115, 0));
}

TEST(Palette, SingleColourSignShowsEveryLedColourRed) {
    const ColorTable a = colorTableA(1);
    for (int i = kLedRed; i <= kLedYellow; ++i) {
        EXPECT_EQ(a[i], argb(255, 0, 0)) << i;
        EXPECT_EQ(a[i | kLedFlash], argb(255, 0, 0)) << i;
    }
    EXPECT_EQ(a[kLedOff], argb(64, 64, 64));
}

TEST(Palette, BadColourCountsNeverTurnLedsIntoSystemColours) {
    // With 0 or a negative count the reduction would map "off" to system colour 9 or every
    // LED colour to "off"; a count is taken as at least one colour.
    for (int colors : {0, -1, -7}) {
        EXPECT_EQ(reduceLedColor(kLedOff, colors), kLedOff);
        EXPECT_EQ(reduceLedColor(kLedGreen, colors), kLedRed);
    }
    EXPECT_EQ(reduceLedColor(kLedYellow, 99), kLedYellow);
}

TEST(Palette, TableBDarkensOnlyFlashingEntries) {
    const ColorTable a = colorTableA(3);
    const ColorTable b = colorTableB(3);
    const std::uint32_t off = argb(64, 64, 64);
    for (int i = 0; i < 256; ++i) {
        if (i >= 129 && i <= 245)
            EXPECT_EQ(b[i], off) << i;
        else
            EXPECT_EQ(b[i], a[i]) << i;
    }
    EXPECT_EQ(a[kLedGreen | kLedFlash], argb(0, 255, 0));
    // The system colours at the top stay in both tables.
    EXPECT_EQ(b[255], argb(255, 255, 255));
    EXPECT_EQ(a[0], argb(0, 0, 0));
}

}  // namespace
}  // namespace ztk::sim
