// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "engine_testsupport.h"

namespace ztk::sim {
namespace {

using test::pageText;
using test::Sign;

// A string-file reference shows the file's current content where it stands: nothing while it
// is missing, the new content after a string packet replaces it; a file that calls itself is
// shown once instead of sending the layout round for ever.
TEST(EngineContent, StringFileInsertion) {
    Sign sign(test::model(120, 7), "\011X\020AY\020BZ");
    sign.engine.step();
    sign.interpreter.interpretStringPacket(test::packet("GAMID"));
    sign.engine.step();
    sign.interpreter.interpretStringPacket(test::packet("GANEW\020A!"));
    sign.engine.step();
    EXPECT_EQ(sign.texts(), (std::vector<std::string>{"XYZ", "XMIDYZ", "XNEW!YZ"}));
}

// A picture with a hold time is a page of its own lasting time x 10 steps; one wider than the
// sign shows its first part and the rest on the next page; as the last thing of the text it
// is followed at once by the text's start. One taller than the room left starts a new page.
TEST(EngineContent, PicturesWithHoldTimeAndCutting) {
    std::string logo = "MLOGO     0008003C";
    for (int row = 0; row < 8; ++row)
        logo += "\0213B1\r";
    Sign sign(test::model(40, 8));
    sign.interpreter.newMessage(test::packet("AAAB\037CLOGO     0003\003\002" + logo));
    std::vector<int> steps;
    for (int page = 0; page < 4; ++page)
        steps.push_back(test::stepsOfPage(sign.engine));
    EXPECT_EQ(sign.texts(),
              (std::vector<std::string>{"AB", std::string(40, '#'), std::string(20, '#'), "AB"}));
    EXPECT_EQ(steps[1], 30);
    EXPECT_EQ(steps[2], 30);
    sign.engine.step();
    EXPECT_EQ(sign.engine.surface().screen().led(0, 0), kLedRed);
    EXPECT_EQ(sign.engine.surface().screen().led(39, 7), kLedRed);

    std::string tall = "Ip0C04";
    for (int row = 0; row < 12; ++row)
        tall += "1111\r";
    Sign second(test::model(40, 16));
    second.interpreter.newMessage(test::packet("AAAB\rC\024p\024q\003\002" + tall));
    second.page();
    second.page();
    EXPECT_EQ(second.texts(), (std::vector<std::string>{"AB|C", "####"}));
}

// Time and date items take their text from the clock when their page is laid out, with the
// 24-hour flag then in force; a date wider than the sign is reduced to fit, unless the sign
// rotates what overflows.
TEST(EngineContent, TimeAndDateTexts) {
    Sign sign(test::model(120, 7), "\011\023 \0138");
    sign.engine.step();
    sign.engine.setHour24(true);
    sign.engine.step();
    EXPECT_EQ(sign.texts(),
              (std::vector<std::string>{"{1:05 PM} {JAN.~5,~2002}", "{13:05} {JAN.~5,~2002}"}));
    Sign fit(test::model(30, 7), "\0138");
    EXPECT_EQ(pageText(fit.page()), "{JAN.~}");

    Sign rotate(test::model(30, 7, 3, 0x3FF | kFeatOverflowRotates), "\0138");
    EXPECT_EQ(pageText(rotate.page()), "JAN.~5,~2002");
    EXPECT_EQ(rotate.engine.currentModeCode(), kModeRotate);
}

}  // namespace
}  // namespace ztk::sim
