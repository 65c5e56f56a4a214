// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "simcore/palette.h"

namespace ztk::sim {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kAmber = 0xFFFFC300;
constexpr std::uint32_t kOff = 0xFF404040;

TEST(Palette, TablesReduceToTheSignsColours) {
    const ColorTable three = colorTableA(3);
    const std::uint32_t expected3[] = {kOff,   kRed,   kGreen, kAmber, kRed,
                                       kGreen, kAmber, kAmber, kAmber};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(three[kLedOff + i], expected3[i]) << i;
        EXPECT_EQ(three[(kLedOff + i) | kLedFlash], expected3[i]) << i;
    }
    for (int i = kLedRed; i <= kLedYellow; ++i)
        EXPECT_EQ(colorTableA(1)[i], kRed) << i;
    EXPECT_EQ(colorTableA(8)[kLedOrange], 0xFFF07300u);
    // A colour count of 0 or less would turn "off" into a system colour: taken as 1.
    for (int colors : {0, -1}) {
        EXPECT_EQ(reduceLedColor(kLedOff, colors), kLedOff);
        EXPECT_EQ(reduceLedColor(kLedGreen, colors), kLedRed);
    }
}

TEST(Palette, TableBDarkensOnlyFlashingEntries) {
    const ColorTable a = colorTableA(3);
    const ColorTable b = colorTableB(3);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(b[i], i >= 129 && i <= 245 ? kOff : a[i]) << i;
    EXPECT_EQ(a[kLedGreen | kLedFlash], kGreen);
    EXPECT_EQ(b[255], 0xFFFFFFFFu);  // system colours stay
}

}  // namespace
}  // namespace ztk::sim
