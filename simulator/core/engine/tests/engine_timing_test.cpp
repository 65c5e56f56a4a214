// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "engine_testsupport.h"
#include "simcore/leddump.h"

namespace ztk::sim {
namespace {

using test::Sign;
using test::stepsOfPage;

// Speed 3 on ten characters in a 120 x 16 area: weight 10 + 120 / 16 + 3 = 20, held for
// 201 steps, page after page. No hold gives one step per page. A custom speed of 500 holds
// 500 steps where the sign takes custom speeds; elsewhere speed 4 stays: (13 / 2) x 10 + 1.
TEST(EngineTiming, PageDurations) {
    Sign speed3(test::model(120, 16), "\0330b\027ABCDEFGHIJ");
    EXPECT_EQ(stepsOfPage(speed3.engine), 201);
    EXPECT_EQ(stepsOfPage(speed3.engine), 201);
    EXPECT_EQ(speed3.engine.pagesLaidOut(), 2);

    Sign noHold(test::model(120, 16), "\0330b\011ABC\0330b\011DEF");
    EXPECT_EQ(stepsOfPage(noHold.engine), 1);
    EXPECT_EQ(stepsOfPage(noHold.engine), 1);

    const std::string custom = "\0330b\017T032ABC";
    Sign withMask(test::model(120, 16, 3, 0x13FF), custom);
    EXPECT_EQ(stepsOfPage(withMask.engine), 500);
    Sign withoutMask(test::model(120, 16), custom);
    EXPECT_EQ(stepsOfPage(withoutMask.engine), 61);
}

// With no text file stored the sign shows the built-in blank text: empty pages of 25 steps
// with every LED off.
TEST(EngineTiming, BlankBuiltInText) {
    Sign sign(test::model(40, 2));
    EXPECT_EQ(stepsOfPage(sign.engine), kEmptyPageSteps);
    EXPECT_EQ(stepsOfPage(sign.engine), kEmptyPageSteps);
    EXPECT_EQ(ledDump(sign.engine.surface().screen(), 3),
              std::string(40, '.') + '\n' + std::string(40, '.') + '\n');
}

// Automode takes the next code of the sign's automode list for every page; a sign without
// any mode bit always holds.
TEST(EngineTiming, Automode) {
    const std::string text = "\0330o\011AB";
    Sign none(test::model(40, 7, 3, 0x3FF, 0x0000), text);
    Sign wipes(test::model(40, 7, 3, 0x3FF, 0x0010), text);
    std::vector<int> codes;
    for (int i = 0; i < 12; ++i) {
        none.engine.step();
        EXPECT_EQ(none.engine.currentModeCode(), kModeHold);
        stepsOfPage(wipes.engine);
        codes.push_back(wipes.engine.currentModeCode());
    }
    EXPECT_EQ(codes, (std::vector<int>{10, 11, 14, 15, 14, 15, 13, 12, 13, 12, 10, 11}));
}

}  // namespace
}  // namespace ztk::sim
