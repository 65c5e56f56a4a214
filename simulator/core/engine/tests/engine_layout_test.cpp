#include <gtest/gtest.h>

#include "engine_testsupport.h"

namespace ztk::sim {
namespace {

using test::pageText;
using test::Sign;

// The page now showing (laid out by one step).
const Effect& nextPage(Sign& sign) {
    if (sign.engine.currentEffect()) test::stepsOfPage(sign.engine);
    sign.engine.step();
    return *sign.engine.currentEffect();
}

int firstFontId(const Effect& fx) {
    return std::get<TextItem>(fx.lines().front().items().front()).fontId();
}

// In the block sets a letter takes 6 columns and a blank 3. A word that does not fit moves
// whole to the next line, the blanks before it dropped; a word wider than the sign is cut
// where it stops fitting and goes on in the next line.
TEST(EngineLayout, WordWrapAndCutting) {
    Sign sign(test::model(40, 24), "AAAA BBBB  CCCCCCCCC");
    EXPECT_EQ(pageText(nextPage(sign)), "AAAA|BBBB|CCCCCC");
    EXPECT_EQ(pageText(nextPage(sign)), "CCC");
    EXPECT_EQ(pageText(nextPage(sign)), "AAAA|BBBB|CCCCCC");

    // A word that ends exactly at the edge stays; the blank after it starts the next line.
    Sign exact(test::model(36, 24), "AAAAAA BB");
    EXPECT_EQ(pageText(nextPage(exact)), "AAAAAA|BB");
}

// With FeatureMask 0x0800 a line that overflows without a word break turns its page into
// rotate with the whole line; with a word break it still wraps.
TEST(EngineLayout, OverflowWithoutBreakRotatesWhenTheSignSaysSo) {
    const std::uint32_t rotateMask = 0x3FF | kFeatOverflowRotates;
    Sign rotate(test::model(40, 7, 3, rotateMask), "AAAAAAAAA");
    EXPECT_EQ(pageText(nextPage(rotate)), "AAAAAAAAA");
    EXPECT_EQ(rotate.engine.currentModeCode(), kModeRotate);
    EXPECT_TRUE(rotate.engine.currentEffect()->lines().front().unbounded());

    Sign wrap(test::model(40, 7, 3, rotateMask), "AAAA BBBB");
    EXPECT_EQ(pageText(nextPage(wrap)), "AAAA");
    EXPECT_NE(wrap.engine.currentModeCode(), kModeRotate);
    EXPECT_EQ(pageText(nextPage(wrap)), "BBBB");
}

// New line, new page (signs over 16 rows), the middle position's one line per page, and a
// mode entry that starts a new page.
TEST(EngineLayout, LinesAndPages) {
    Sign fill(test::model(40, 24),
              "AB\rCD\x0c"
              "EF");
    EXPECT_EQ(pageText(nextPage(fill)), "AB|CD");
    EXPECT_EQ(pageText(nextPage(fill)), "EF");

    Sign middle(test::model(40, 24),
                "\x1b b"
                "AB\rCD\x1b"
                "0bEF");
    EXPECT_EQ(pageText(nextPage(middle)), "AB");
    EXPECT_EQ(pageText(nextPage(middle)), "CD");
    EXPECT_EQ(pageText(nextPage(middle)), "EF");

    // Two blank lines in a row keep their place; a trailing new line adds nothing.
    Sign blankLine(test::model(40, 24), "AB\r\rCD\r");
    const Effect& page = nextPage(blankLine);
    EXPECT_EQ(pageText(page), "AB||CD");
    EXPECT_EQ(page.contentHeight(), 24);
}

// A line is centred in the area both ways; without the fixed-width feature text is fixed
// width and starts at the left edge; with the fixed line height (FontMask below 0x10) lines
// are 7 + 1 rows from the top.
TEST(EngineLayout, CentringAndLineHeights) {
    Sign centred(test::model(40, 16), "AB");
    centred.engine.step();
    const ScreenBitmap& s = centred.engine.surface().screen();
    // 12 columns wide and 8 rows high: from column 14 and row 4.
    EXPECT_EQ(s.led(13, 4), kLedOff);
    EXPECT_NE(s.led(14, 4), kLedOff);
    EXPECT_EQ(s.led(14, 3), kLedOff);
    EXPECT_NE(s.led(14, 10), kLedOff);
    EXPECT_EQ(s.led(14, 11), kLedOff);

    Sign fixedWidth(test::model(40, 16, 3, 0x2FF), "AB");
    fixedWidth.engine.step();
    EXPECT_NE(fixedWidth.engine.surface().screen().led(0, 4), kLedOff);

    Sign fixedLines(test::model(40, 16, 3, 0x3FF, 0x3FFF, 0x07),
                    "\x1a"
                    "1A\rB");
    const Effect& page = nextPage(fixedLines);
    EXPECT_EQ(pageText(page), "A|B");
    ASSERT_EQ(page.lines().size(), 2u);
    EXPECT_EQ(page.lines()[0].lineHeight(), 8);
    // Font 1 is 5 rows, on the last of the 7 text rows: rows 2-6 and 10-14.
    const ScreenBitmap& f = fixedLines.engine.surface().screen();
    EXPECT_EQ(f.led(17, 1), kLedOff);
    EXPECT_NE(f.led(17, 2), kLedOff);
    EXPECT_NE(f.led(17, 6), kLedOff);
    EXPECT_EQ(f.led(17, 9), kLedOff);
    EXPECT_NE(f.led(17, 10), kLedOff);
    EXPECT_NE(f.led(17, 14), kLedOff);
}

// A font taller than the room left ends the page and starts the next; one taller than the
// whole display at the top of a page is reduced (ten-high on a 7-row sign becomes the seven
// high fancy set) instead of leaving the page empty for ever.
TEST(EngineLayout, FontsThatDoNotFit) {
    Sign tall(test::model(40, 16),
              "AB\r\x1a"
              "6CD");
    EXPECT_EQ(pageText(nextPage(tall)), "AB");
    const Effect& second = nextPage(tall);
    EXPECT_EQ(pageText(second), "CD");
    EXPECT_EQ(firstFontId(second), 8);

    Sign small(test::model(40, 7),
               "\x1a"
               "6CD");
    const Effect& reduced = nextPage(small);
    EXPECT_EQ(pageText(reduced), "CD");
    EXPECT_EQ(firstFontId(reduced), 3);
}

}  // namespace
}  // namespace ztk::sim
