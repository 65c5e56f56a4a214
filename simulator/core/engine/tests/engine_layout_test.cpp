// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "engine_testsupport.h"

namespace ztk::sim {
namespace {

using test::pageText;
using test::Sign;

int firstFontId(const Effect& fx) {
    return std::get<TextItem>(fx.lines().front().items().front()).fontId();
}

// Letters take 6 columns, blanks 3. A word that does not fit moves whole to the next line,
// the blanks before it dropped; a word wider than the sign is cut where it stops fitting;
// a word ending exactly at the edge stays.
TEST(EngineLayout, WordWrapAndCutting) {
    Sign sign(test::model(40, 24), "AAAA BBBB  CCCCCCCCC");
    EXPECT_EQ(pageText(sign.page()), "AAAA|BBBB|CCCCCC");
    EXPECT_EQ(pageText(sign.page()), "CCC");
    EXPECT_EQ(pageText(sign.page()), "AAAA|BBBB|CCCCCC");
    Sign exact(test::model(36, 24), "AAAAAA BB");
    EXPECT_EQ(pageText(exact.page()), "AAAAAA|BB");
    // A glyph wider than the whole line is shown cut rather than never moved past.
    Sign tiny(test::model(4, 7), "AB");
    EXPECT_EQ(pageText(tiny.page()), "A");
    EXPECT_EQ(pageText(tiny.page()), "B");

    // With FeatureMask 0x0800 a line overflowing without a word break makes the page rotate,
    // uncut; with a word break it still wraps.
    const std::uint32_t rotating = 0x3FF | kFeatOverflowRotates;
    Sign rotate(test::model(40, 7, 3, rotating), "AAAAAAAAA");
    EXPECT_EQ(pageText(rotate.page()), "AAAAAAAAA");
    EXPECT_EQ(rotate.engine.currentModeCode(), kModeRotate);
    Sign wrap(test::model(40, 7, 3, rotating), "AAAA BBBB");
    EXPECT_EQ(pageText(wrap.page()), "AAAA");
    EXPECT_NE(wrap.engine.currentModeCode(), kModeRotate);
}

// New line, new page (signs over 16 rows), one line per page at the middle position, a mode
// entry starting a page; blank lines keep their place, a trailing new line adds nothing.
TEST(EngineLayout, LinesAndPages) {
    Sign fill(test::model(40, 32), "AB\r\rCD\r\014EF");
    const Effect& first = fill.page();
    EXPECT_EQ(pageText(first), "AB||CD");
    EXPECT_EQ(first.contentHeight(), 24);
    EXPECT_EQ(pageText(fill.page()), "EF");

    Sign middle(test::model(40, 24), "\033 bAB\rCD\0330bEF");
    EXPECT_EQ(pageText(middle.page()), "AB");
    EXPECT_EQ(pageText(middle.page()), "CD");
    EXPECT_EQ(pageText(middle.page()), "EF");
}

// A line is centred both ways; without the fixed-width feature text starts at the left edge;
// with the fixed line height (FontMask below 0x10) lines are 7 + 1 rows from the top.
TEST(EngineLayout, CentringAndLineHeights) {
    Sign centred(test::model(40, 16), "AB");
    centred.page();
    const ScreenBitmap& s = centred.engine.surface().screen();
    EXPECT_EQ(s.led(13, 4), kLedOff);  // 12 x 8: from column 14, row 4
    EXPECT_NE(s.led(14, 4), kLedOff);
    EXPECT_EQ(s.led(14, 3), kLedOff);
    EXPECT_NE(s.led(14, 10), kLedOff);

    Sign fixedWidth(test::model(40, 16, 3, 0x2FF), "AB");
    fixedWidth.page();
    EXPECT_NE(fixedWidth.engine.surface().screen().led(0, 4), kLedOff);

    Sign fixedLines(test::model(40, 16, 3, 0x3FF, 0, 0x07), "\0321A\rB");
    EXPECT_EQ(pageText(fixedLines.page()), "A|B");
    // Font 1 is 5 rows high, on the last of the 7 text rows: rows 2-6 and 10-14.
    const ScreenBitmap& f = fixedLines.engine.surface().screen();
    EXPECT_EQ(f.led(17, 1), kLedOff);
    EXPECT_NE(f.led(17, 2), kLedOff);
    EXPECT_EQ(f.led(17, 9), kLedOff);
    EXPECT_NE(f.led(17, 10), kLedOff);
}

// A font taller than the room left starts the next page; one taller than the whole display at
// the top of a page is reduced (ten-high on a 7-row sign becomes the seven-high fancy set)
// instead of leaving every page empty for ever.
TEST(EngineLayout, FontsThatDoNotFit) {
    Sign tall(test::model(40, 16), "AB\r\0326CD");
    EXPECT_EQ(pageText(tall.page()), "AB");
    const Effect& second = tall.page();
    EXPECT_EQ(pageText(second), "CD");
    EXPECT_EQ(firstFontId(second), 8);

    Sign small(test::model(40, 7), "\0326CD");
    const Effect& reduced = small.page();
    EXPECT_EQ(pageText(reduced), "CD");
    EXPECT_EQ(firstFontId(reduced), 3);
}

}  // namespace
}  // namespace ztk::sim
