#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "effects_testsupport.h"
#include "simcore/palette.h"

namespace ztk::sim {
namespace {

using test::dump;
using test::EffectSign;

// Modes whose motion has a known length show it whole even without a hold of their own, and
// end showing exactly the page; part way through they do not show it yet.
TEST(EffectScatter, NoHoldPagesLastTheirMotionAndSettleToThePage) {
    struct Case {
        const char* mode;
        int steps;
    };
    // 40 x 16: 5 blocks of 8 columns, 3 starburst cells.
    const std::vector<Case> cases = {{"n1", 80},        {"n2", 3 * 8 * 16}, {"n5", 2 * 15},
                                     {"n6", 2 * 8 * 5}, {"n7", 12 * 3},     {"nC", 200}};
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

// Twinkle darkens every fourth LED of each row, from column 0, 3, 2 or 1 by phase and row, the
// phase moving every 2 steps; a page without a hold twinkles 100 steps and ends whole. A page
// whose first line is empty twinkles what is shown.
TEST(EffectScatter, TwinklePattern) {
    EffectSign sign(test::model(40, 16), "\0330n0\011\0341HELLO\r\0342WORLD");
    sign.step();
    const LedBitmap page = sign.page().page();
    constexpr std::array<int, 4> kFirst = {0, 3, 2, 1};
    int done = 1;
    for (int s : {1, 2, 8, 51, 98}) {
        sign.step(s - done);
        done = s;
        const int phase = (s - 1) / 2;
        LedBitmap expected = page;
        for (int y = 0; y < 16; ++y)
            for (int x = kFirst[(phase + y) % 4]; x < 40; x += 4)
                expected.set(x, y, kLedOff);
        EXPECT_EQ(dump(sign.shown()), dump(expected)) << "after " << s << " steps";
    }
    EXPECT_EQ(sign.finishPage(), 2);
    EXPECT_EQ(dump(sign.shown()), dump(page));

    EffectSign shown(test::model(40, 16), "\0330b\011\0341HELLO\0330n0");
    shown.step();
    const LedBitmap before = shown.shown();
    shown.step(2);
    EXPECT_EQ(shown.page().duration(), 100);
    EXPECT_NE(dump(shown.shown()), dump(before));
    EXPECT_EQ(shown.finishPage(), 98);
    EXPECT_EQ(dump(shown.shown()), dump(before));
}

// Sparkle phase p (10 steps apart) brings in the LEDs of columns 0, 3, 7, 1, 5, 4, 2, 6
// (by phase + row) of every group of eight; the rest still shows the display before.
TEST(EffectScatter, SparklePhases) {
    EffectSign sign(test::model(40, 16),
                    "\0330b\011\0342OLDOLDOL\0330n1\027\0341NEWNEWN\r\0343MORE");
    sign.step();
    const LedBitmap before = sign.shown();
    constexpr std::array<int, 8> kOrder = {0, 3, 7, 1, 5, 4, 2, 6};
    int done = 0;
    for (int p : {0, 3, 7}) {
        sign.step(10 * p + 1 - done);
        done = 10 * p + 1;
        const LedBitmap page = sign.page().page();
        LedBitmap expected = before;
        for (int y = 0; y < 16; ++y)
            for (int q = 0; q <= p; ++q)
                for (int x = kOrder[(q + y) % 8]; x < 40; x += 8)
                    expected.set(x, y, page.at(x, y));
        EXPECT_EQ(dump(sign.shown()), dump(expected)) << "phase " << p;
    }
}

// Snow settles from the bottom row up and spray from the left block on: a row (block) whose
// eight phases and travel are over shows the page, while the rest is still falling.
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

// Slide brings one 8-column block at a time from the right edge to its place.
TEST(EffectScatter, SlideMovesOneBlockAtATime) {
    EffectSign sign(test::model(40, 7), "\0330n5\011\0341ABCDEFG");
    sign.step(2 * 5 + 2 * 2 - 1);  // block 0 in place (5 moves), block 1 two blocks from its own
    const LedBitmap page = sign.page().page();
    EXPECT_EQ(dump(sign.shown(), {0, 0, 8, 7}), dump(page, {0, 0, 8, 7}));
    EXPECT_EQ(dump(sign.shown(), {24, 0, 8, 7}), dump(page, {8, 0, 8, 7}));
    EXPECT_EQ(dump(sign.shown(), {8, 0, 16, 7}), dump(LedBitmap(16, 7)));
    EXPECT_EQ(dump(sign.shown(), {32, 0, 8, 7}), dump(LedBitmap(8, 7)));
}

}  // namespace
}  // namespace ztk::sim
