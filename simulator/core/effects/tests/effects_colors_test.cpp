// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "effects_testsupport.h"
#include "simcore/palette.h"

namespace ztk::sim {
namespace {

using test::dump;
using test::EffectSign;

bool lit(std::uint8_t led) {
    return (led & 0x7F) >= kLedRed && (led & 0x7F) <= kLedYellow;
}

// Colour cycling lasts at least 200 steps (c = 50 frames of 4 steps); in frame f the lit LEDs
// of row i take colour (f + i) mod 8 of the cycle while i < c - f - 1, the other rows show the
// page's own colours, and the last frame shows the page. A longer page keeps its duration.
TEST(EffectColors, CycleColorsFramesAndLength) {
    constexpr std::array<std::uint8_t, 8> kCycle = {
        kLedRed, kLedDimRed, kLedAmber, kLedGreen, kLedDimGreen, kLedBrown, kLedOrange, kLedYellow};
    EffectSign sign(test::model(40, 16), "\0330nC\011\0341HELLO\r\0342WORLD");
    sign.step();
    const LedBitmap page = sign.page().page();
    EXPECT_EQ(sign.page().duration(), 200);
    for (int f : {0, 1, 40, 49}) {
        sign.stepTo(4 * f + 1);
        LedBitmap expected = page;
        for (int y = 0; y < 16 && y < 50 - f - 1; ++y)
            for (int x = 0; x < 40; ++x)
                if (lit(page.at(x, y))) expected.set(x, y, kCycle[(f + y) % 8]);
        EXPECT_EQ(dump(sign.shown()), dump(expected)) << "frame " << f;
    }
    EXPECT_EQ(sign.finishPage(), 200 - sign.steps());

    EffectSign slow(test::model(40, 16), "\0330nC\025HELLO");
    slow.step();
    EXPECT_GT(slow.page().duration(), 200);
    EXPECT_EQ(slow.finishPage() + 1, slow.page().duration());
    EXPECT_EQ(dump(slow.shown()), dump(slow.page().page()));
}

// Flash shows the page at once with its LEDs flashing and holds; a flash page whose first line
// is empty makes what is lit in the area flash instead, for 150 steps.
TEST(EffectColors, FlashThePageOrWhatIsShown) {
    EffectSign sign(test::model(40, 7), "\0330c\0341HELLO");
    sign.step();
    const std::string shown = dump(sign.shown());
    EXPECT_EQ(shown, dump(sign.page().page()));
    EXPECT_NE(shown.find('1'), std::string::npos);  // flashing red
    EXPECT_EQ(shown.find('R'), std::string::npos);
    EXPECT_EQ(sign.finishPage() + 1, sign.page().duration());

    EffectSign empty(test::model(40, 7), "\0330b\011\0341HELLO\0330c");
    empty.step();
    std::string before = dump(empty.shown());
    empty.step();
    EXPECT_EQ(empty.page().duration(), 150);
    std::replace(before.begin(), before.end(), 'R', '1');
    EXPECT_EQ(dump(empty.shown()), before);
    EXPECT_EQ(empty.finishPage(), 149);
}

}  // namespace
}  // namespace ztk::sim
