#include <gtest/gtest.h>

#include "engine_testsupport.h"
#include "simcore/palette.h"

namespace ztk::sim {
namespace {

using test::pageText;
using test::Sign;

// Records every page laid out: its text and the steps it was given.
struct Pages {
    std::vector<std::string> texts;
    std::vector<int> durations;
    Sign::PageSeen seen() {
        return [this](const Effect& fx, int) {
            texts.push_back(pageText(fx));
            durations.push_back(fx.duration());
        };
    }
};

// A string-file reference shows the file's current content where it stands; a missing file
// shows nothing; a file replaced by a string packet shows its new content on the next page;
// a file that calls itself is shown once instead of sending the layout round for ever.
TEST(EngineContent, StringFileInsertion) {
    Pages pages;
    Sign sign(test::model(120, 7),
              "\x09X\x10"
              "AY\x10"
              "BZ",
              pages.seen());
    sign.engine.step();
    sign.interpreter.interpretStringPacket(test::packet("GAMID"));
    sign.engine.step();
    sign.interpreter.interpretStringPacket(
        test::packet("GANEW\x10"
                     "A!"));
    sign.engine.step();
    EXPECT_EQ(pages.texts, (std::vector<std::string>{"XYZ", "XMIDYZ", "XNEW!YZ"}));
}

// A picture with a hold time is a page of its own lasting time x 10 steps; one wider than
// the sign shows its first part and the rest on the next page, and when it is the last thing
// of the text the text starts again at once.
TEST(EngineContent, HeldPictureIsCutAcrossPages) {
    std::string picture = "MLOGO     0008003C";
    for (int row = 0; row < 8; ++row)
        picture +=
            "\x11"
            "3B1\r";
    Pages pages;
    Sign sign(test::model(40, 8), {}, pages.seen());
    sign.interpreter.newMessage(
        test::packet("AAAB\x1f"
                     "CLOGO     0003\x03\x02" +
                     picture));
    for (int page = 0; page < 4; ++page)
        test::stepsOfPage(sign.engine);
    const std::string part1(40, '#'), part2(20, '#');
    EXPECT_EQ(pages.texts, (std::vector<std::string>{"AB", part1, part2, "AB"}));
    EXPECT_EQ(pages.durations[1], 30);
    EXPECT_EQ(pages.durations[2], 30);

    sign.engine.step();  // the picture's first part again
    const ScreenBitmap& s = sign.engine.surface().screen();
    EXPECT_EQ(s.led(0, 0), kLedRed);
    EXPECT_EQ(s.led(39, 7), kLedRed);
}

// A picture taller than the room left starts the next page; on an empty page it is cut to
// the area's height. A missing picture is skipped.
TEST(EngineContent, PictureTallerThanTheRoomLeft) {
    std::string picture = "Ip0C04";
    for (int row = 0; row < 12; ++row)
        picture += "1111\r";
    Pages pages;
    Sign sign(test::model(40, 16), {}, pages.seen());
    sign.interpreter.newMessage(test::packet("AAAB\rC\x14p\x14q\x03\x02" + picture));
    test::stepsOfPage(sign.engine);
    sign.engine.step();
    EXPECT_EQ(pages.texts, (std::vector<std::string>{"AB|C", "####"}));
    const auto& item = std::get<PictureItem>(sign.engine.currentEffect()->lines()[0].items()[0]);
    EXPECT_EQ(item.height(), 12);

    Pages low;
    Sign cut(test::model(40, 8), {}, low.seen());
    cut.interpreter.newMessage(test::packet("AA\x14p\x03\x02" + picture));
    cut.engine.step();
    EXPECT_EQ(std::get<PictureItem>(cut.engine.currentEffect()->lines()[0].items()[0]).height(), 8);
}

// Time and date items take their text from the clock when the page is laid out, with the
// 24-hour flag in force then; a date wider than the sign is reduced to fit unless the sign
// rotates what overflows.
TEST(EngineContent, TimeAndDateTexts) {
    Pages pages;
    Sign sign(test::model(120, 7),
              "\x09\x13 \x0b"
              "8",
              pages.seen());
    sign.engine.step();
    sign.engine.setHour24(true);
    sign.engine.step();
    EXPECT_EQ(pages.texts,
              (std::vector<std::string>{"{1:05 PM} {JAN.~5,~2002}", "{13:05} {JAN.~5,~2002}"}));

    Pages narrow;
    Sign fit(test::model(30, 7),
             "\x0b"
             "8",
             narrow.seen());
    fit.engine.step();
    EXPECT_EQ(narrow.texts, (std::vector<std::string>{"{JAN.~}"}));
    EXPECT_LE(fit.engine.currentEffect()->contentWidth(), 30);

    Sign rotate(test::model(30, 7, 3, 0x3FF | kFeatOverflowRotates),
                "\x0b"
                "8");
    rotate.engine.step();
    EXPECT_EQ(rotate.engine.currentModeCode(), kModeRotate);
    EXPECT_EQ(pageText(*rotate.engine.currentEffect()), "JAN.~5,~2002");
}

}  // namespace
}  // namespace ztk::sim
