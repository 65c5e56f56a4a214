#include <gtest/gtest.h>

#include "simcore/displaymodel.h"
#include "simcore/messagestream.h"
#include "simcore/palette.h"
#include "simcore/timedate.h"
#include "testcharsets.h"

namespace ztk::sim {
namespace {

TEST(TimeDateText, TimeInTwelveAndTwentyFourHours) {
    const ClockValue pm{2002, 1, 5, 6, 13, 5};
    EXPECT_EQ(timeDateText(0, pm, false), "1:05 PM");
    EXPECT_EQ(timeDateText(0, pm, true), "13:05");
    EXPECT_EQ(timeDateText(0, {2002, 1, 5, 6, 0, 30}, false), "0:30 AM");
    EXPECT_EQ(timeDateText(0, {2002, 1, 5, 6, 12, 0}, false), "12:00 PM");
    EXPECT_EQ(timeDateText(0, {2002, 1, 5, 6, 11, 59}, false), "11:59 AM");
}

TEST(TimeDateText, DateFormats) {
    const ClockValue jan5{2002, 1, 5, 6, 9, 0};
    const std::pair<int, const char*> cases[] = {{'0', "1/5/02"},
                                                 {'1', "5/1/02"},
                                                 {'2', "1-5-02"},
                                                 {'3', "5-1-02"},
                                                 {'4', "1.5.02"},
                                                 {'5', "5.1.02"},
                                                 {'6', "1 5 02"},
                                                 {'7', "5 1 02"},
                                                 {'8', "JAN.~5,~2002"},
                                                 {'9', "SAT."},
                                                 {28,
                                                  "100\xA9"
                                                  "C"},
                                                 {29,
                                                  "212\xA9"
                                                  "F"},
                                                 {'A', ""},
                                                 {1, ""}};
    for (auto [code, text] : cases)
        EXPECT_EQ(timeDateText(code, jan5, false), text) << code;
    EXPECT_EQ(timeDateText('0', {1999, 12, 31, 5, 0, 0}, false), "12/31/99");
    EXPECT_EQ(timeDateText('8', {1999, 6, 30, 3, 0, 0}, false), "JUNE~30,~1999");
    // A clock outside its ranges gives odd text, never a read past the name tables.
    EXPECT_EQ(timeDateText('8', {2002, 13, 5, 6, 0, 0}, false), "5,~2002");
    EXPECT_EQ(timeDateText('9', {2002, 1, 5, -1, 0, 0}, false), "");
    EXPECT_EQ(timeDateText('0', {2100, 1, 5, 5, 0, 0}, false), "1/5/00");
}

TEST(TimeDateItem, DrawsTildesBlankAndReducesToFit) {
    test::installTestFonts();
    const LedFonts fonts(16, 0, &test::testLookup);
    ColorState colors(3);
    colors.select(kColorMix);
    // Glyphs are 3 wide + 1 spacing in the test fonts; "JAN.~5,~2002" is 12 characters.
    TimeDateItem date('8', {2002, 1, 5, 6, 0, 0}, false, fonts, 3,
                      kAttrDoubleWide | kAttrWide | kAttrShadow, colors);
    ASSERT_EQ(date.glyphs().size(), 12u);
    EXPECT_TRUE(date.glyphs()[4].isBlank());
    EXPECT_TRUE(date.glyphs()[7].isBlank());
    EXPECT_EQ(date.glyphs()[1].colors().bands[0], kLedGreen);  // colour mix per character
    EXPECT_EQ(date.weight(), 12);
    EXPECT_EQ(date.width(), 12 * 10);  // (3 + 1) x 2 + wide + shadow

    date.fitWidth(12 * 9);  // double wide off
    EXPECT_EQ(date.attrs(), kAttrWide | kAttrShadow);
    date.fitWidth(12 * 5 - 1);  // then wide, then shadow
    EXPECT_EQ(date.attrs(), 0);
    EXPECT_EQ(date.width(), 12 * 4);
    EXPECT_EQ(date.fontId(), 3);
    date.fitWidth(12 * 4 - 1);  // font 2 (same widths here), then characters go
    EXPECT_EQ(date.fontId(), 2);
    EXPECT_EQ(date.text(), "JAN.~5,~200");
    EXPECT_EQ(date.glyphs()[1].colors().bands[0], kLedGreen);  // colours survive a rebuild
    date.fitWidth(0);
    EXPECT_EQ(date.text(), "");
    EXPECT_EQ(date.width(), 0);
    EXPECT_EQ(date.height(), 7);

    LedBitmap b(20, 7);
    TimeDateItem time(0, {2002, 1, 5, 6, 9, 5}, true, fonts, 2, 0, colors);
    time.draw(b, 0, 0, 7);
    EXPECT_EQ(time.text(), "9:05");
    EXPECT_EQ(b.at(16, 0), kLedOff);  // past the text
}

}  // namespace
}  // namespace ztk::sim
