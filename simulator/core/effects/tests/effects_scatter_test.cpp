// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "effects_testsupport.h"

namespace ztk::sim {
namespace {

using test::dump;
using test::EffectSign;

// Modes whose motion has a known length show it whole even without a hold of their own, and
// end showing exactly the page; part way through they do not show it yet. Twinkle and colour
// cycling last 100 and 200 steps; slide takes its 5 blocks one at a time, 5 + 4 + 3 + 2 + 1
// moves.
TEST(EffectScatter, NoHoldPagesLastTheirMotionAndSettleToThePage) {
    struct Case {
        const char* mode;
        int steps;
    };
    // 40 x 16: 5 blocks of 8 columns, 3 starburst cells.
    const std::vector<Case> cases = {{"n0", 100},    {"n1", 80},        {"n2", 3 * 8 * 16},
                                     {"n5", 2 * 15}, {"n6", 2 * 8 * 5}, {"n7", 12 * 3},
                                     {"nC", 200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const std::string text = std::string("\0330") + c.mode + "\011\0341HELLO\r\0342WORLD";
        EffectSign half(test::model(40, 16), text);
        half.step(c.steps / 2);
        EXPECT_NE(dump(half.shown()), dump(half.page().page()));
        EffectSign sign(test::model(40, 16), text);
        EXPECT_EQ(sign.finishPage(), c.steps);
        EXPECT_EQ(dump(sign.shown()), dump(sign.page().page()));
    }
}

// Snow settles from the bottom row up and spray from the left block on: a row (block) whose
// eight phases and travel are over shows the page, while the rest is still on its way.
TEST(EffectScatter, SnowSettlesFromTheBottomAndSprayFromTheLeft) {
    const std::string text = "\011\0341HELLO\r\0342WORLD";
    EffectSign snow(test::model(40, 16), "\0330n2" + text);
    // Row r is fed in ticks 8(15 - r) .. +7 and an LED dropped at tick t reaches row r at tick
    // t + r: rows 12-15 are in after tick 31 + 12, the 44th tick, on step 3 x 43 + 1.
    snow.step(3 * 43 + 1);
    const LedBitmap page = snow.page().page();
    EXPECT_EQ(dump(snow.shown(), {0, 12, 40, 4}), dump(page, {0, 12, 40, 4}));
    EXPECT_NE(dump(snow.shown(), {0, 0, 40, 12}), dump(page, {0, 0, 40, 12}));

    // Block b is fed in moves 8b .. +7 and travels 4 - b blocks: blocks 0-1 are in after move
    // 15 + 3, the 19th, on step 2 x 18 + 1.
    EffectSign spray(test::model(40, 16), "\0330n6" + text);
    spray.step(2 * 18 + 1);
    EXPECT_EQ(dump(spray.shown(), {0, 0, 16, 16}), dump(spray.page().page(), {0, 0, 16, 16}));
    EXPECT_NE(dump(spray.shown(), {16, 0, 24, 16}), dump(spray.page().page(), {16, 0, 24, 16}));
}

}  // namespace
}  // namespace ztk::sim
