// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "simcore/displaymodel.h"
#include "simcore/messagestream.h"
#include "simcore/palette.h"
#include "simcore/timedate.h"
#include "testcharsets.h"

namespace ztk::sim {
namespace {

TEST(TimeDateText, TimesAndDates) {
    const ClockValue jan5{2002, 1, 5, 6, 13, 5};
    std::string all;
    // "0"-"9", "A", the time and the two temperatures.
    for (int code : {48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 65, 0, 28, 29})
        all += timeDateText(code, jan5, false) + "|";
    EXPECT_EQ(all,
              "1/5/02|5/1/02|1-5-02|5-1-02|1.5.02|5.1.02|1 5 02|5 1 02|JAN.~5,~2002|SAT.||1:05 PM|"
              "100\251C|212\251F|");
    EXPECT_EQ(timeDateText(0, jan5, true), "13:05");
    EXPECT_EQ(timeDateText(0, {2002, 1, 5, 6, 0, 30}, false), "0:30 AM");
    EXPECT_EQ(timeDateText(0, {2002, 1, 5, 6, 12, 0}, false), "12:00 PM");
    EXPECT_EQ(timeDateText('0', {1999, 12, 31, 5, 0, 0}, false), "12/31/99");
    EXPECT_EQ(timeDateText('0', {2100, 1, 5, 5, 0, 0}, false), "1/5/00");
    // A clock outside its ranges never reads past the name tables.
    EXPECT_EQ(timeDateText('8', {2002, 13, 5, 6, 0, 0}, false), "5,~2002");
    EXPECT_EQ(timeDateText('9', {2002, 1, 5, -1, 0, 0}, false), "");
}

TEST(TimeDateItem, DrawsTildesBlankAndReducesToFit) {
    const LedFonts fonts(16, 0, &test::testLookup);
    ColorState colors(3);
    colors.select(kColorMix);
    // Every glyph of "JAN.~5,~2002" is 3 wide + 1 spacing in the test fonts 1 and 2.
    TimeDateItem date('8', {2002, 1, 5, 6, 0, 0}, false, fonts, 1,
                      kAttrDoubleWide | kAttrWide | kAttrShadow, colors);
    EXPECT_TRUE(date.glyphs()[4].isBlank());
    EXPECT_EQ(date.glyphs()[1].colors().bands[0], kLedGreen);  // colour mix per character
    EXPECT_EQ(date.width(), 12 * 10);                          // (3 + 1) x 2 + wide + shadow
    date.fitWidth(12 * 9);                                     // double wide off
    EXPECT_EQ(date.attrs(), kAttrWide | kAttrShadow);
    date.fitWidth(12 * 5 - 1);  // then wide, then shadow
    EXPECT_EQ(date.attrs(), 0);
    EXPECT_EQ(date.fontId(), 1);
    date.fitWidth(12 * 4 - 1);  // font 2 once (same widths here), then the last character
    EXPECT_EQ(date.fontId(), 2);
    EXPECT_EQ(date.height(), 7);
    EXPECT_EQ(date.text(), "JAN.~5,~200");
    date.fitWidth(0);
    EXPECT_EQ(date.text(), "");
    EXPECT_EQ(date.width(), 0);
}

}  // namespace
}  // namespace ztk::sim
