#include <gtest/gtest.h>

#include "engine_testsupport.h"
#include "simcore/leddump.h"
#include "simcore/pagetiming.h"

namespace ztk::sim {
namespace {

using test::Sign;

// Speed 3 on ten characters in a 120 x 16 area: weight 10 + 120 / 16 + 3 = 20, held for
// 20 x 10 + 1 steps; every later page of the repeating message takes as long.
TEST(EngineTiming, SpeedThreeTenCharactersHolds201Steps) {
    Sign sign(test::model(120, 16),
              "\x1b"
              "0b\x17"
              "ABCDEFGHIJ");
    EXPECT_EQ(test::stepsOfPage(sign.engine), 201);
    EXPECT_EQ(sign.engine.pagesLaidOut(), 1);
    EXPECT_EQ(test::stepsOfPage(sign.engine), 201);
    EXPECT_EQ(sign.engine.pagesLaidOut(), 2);
}

// No hold shows each page for a single step; a custom speed of 500 (0x032 x 10) holds 500
// steps when the sign takes custom speeds, and falls back to the default speed otherwise.
TEST(EngineTiming, NoHoldAndCustomSpeed) {
    Sign noHold(test::model(120, 16),
                "\x1b"
                "0b\x09"
                "ABC\x1b"
                "0b\x09"
                "DEF");
    EXPECT_EQ(test::stepsOfPage(noHold.engine), 1);
    EXPECT_EQ(test::stepsOfPage(noHold.engine), 1);
    EXPECT_EQ(noHold.engine.pagesLaidOut(), 2);

    const std::string custom =
        "\x1b"
        "0b\x0fT032"
        "ABC";
    Sign withMask(test::model(120, 16, 3, 0x13FF), custom);
    EXPECT_EQ(test::stepsOfPage(withMask.engine), 500);
    // Without the mask the speed stays 4: weight 3 + 7 + 3 = 13 gives (13 / 2) x 10 + 1.
    Sign withoutMask(test::model(120, 16), custom);
    EXPECT_EQ(test::stepsOfPage(withoutMask.engine), 61);

    EXPECT_EQ(pageDuration(5, 13), 31);
    EXPECT_EQ(pageDuration(1, 13), 521);
}

// With no text file stored the sign shows the built-in blank text: every page is empty,
// holds 25 steps, and every LED is off.
TEST(EngineTiming, BlankBuiltInTextHoldsDarkPages) {
    Sign sign(test::model(40, 7));
    EXPECT_EQ(test::stepsOfPage(sign.engine), kEmptyPageSteps);
    EXPECT_EQ(test::stepsOfPage(sign.engine), kEmptyPageSteps);
    std::string dark;
    for (int row = 0; row < 7; ++row)
        dark += std::string(40, '.') + '\n';
    EXPECT_EQ(ledDump(sign.engine.surface().screen(), 3), dark);
}

// Automode steps through the sign's automode list page by page; a sign without any mode
// bit always holds.
TEST(EngineTiming, AutomodeFollowsTheListAndHoldsWithEmptyModeMask) {
    const std::string text =
        "\x1b"
        "0o\x09"
        "AB";
    Sign none(test::model(40, 7, 3, 0x3FF, 0x0000), text);
    for (int i = 0; i < 20; ++i) {
        none.engine.step();
        EXPECT_EQ(none.engine.currentModeCode(), kModeHold);
    }
    Sign wipes(test::model(40, 7, 3, 0x3FF, 0x0010), text);
    std::vector<int> codes;
    for (int i = 0; i < 12; ++i) {
        wipes.engine.step();
        codes.push_back(wipes.engine.currentModeCode());
    }
    EXPECT_EQ(codes, (std::vector<int>{10, 11, 14, 15, 14, 15, 13, 12, 13, 12, 10, 11}));
}

}  // namespace
}  // namespace ztk::sim
