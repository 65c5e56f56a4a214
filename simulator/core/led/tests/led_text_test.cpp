// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "simcore/displaymodel.h"
#include "simcore/messagestream.h"
#include "simcore/palette.h"
#include "simcore/textitem.h"
#include "testcharsets.h"

namespace ztk::sim {
namespace {

using test::lines;

const GlyphColors kRed{{kLedRed, kLedRed, kLedRed}, kLedGreen};
const GlyphColors kRainbow1{{kLedRed, kLedAmber, kLedGreen}, kLedGreen};

// The item drawn alone at (0, 0) in a bitmap of its width and `lineHeight` rows.
std::string drawn(const TextItem& item, int lineHeight) {
    LedBitmap b(item.width(), lineHeight);
    item.draw(b, 0, 0, lineHeight);
    return test::dumpLeds(b);
}

class TextItemTest : public ::testing::Test {
  protected:
    TextItem item(int c, int font, std::uint16_t attrs, const GlyphColors& colors = kRed) {
        return TextItem(c, fonts_[font], attrs, colors);
    }
    LedFonts fonts_{24, kFeatStretch15, &test::testLookup};
};

TEST_F(TextItemTest, GlyphChoice) {
    EXPECT_EQ(drawn(item('a', 1, 0), 5), lines(5, "RRR."));  // capitals only in font 1
    for (int c : {0xFF, 0x1A3})
        EXPECT_EQ(drawn(item(c, 2, 0), 7), lines(7, "RR."));  // "?"
    for (int c : {0x20, 0x7E, 0xAB}) {                        // blanks take width and draw nothing
        EXPECT_TRUE(item(c, 2, 0).isBlank());
        EXPECT_EQ(item(c, 2, 0).width(), c == 0xAB ? 2 : 4) << c;
        EXPECT_EQ(drawn(item(c, 2, 0), 7).find_first_not_of(".\n"), std::string::npos);
    }
    EXPECT_EQ(item(0xAB, 2, kAttrFixedWidth).width(), 6);
    // Wide letters come from the wide set and are not widened again.
    EXPECT_EQ(item('M', 2, kAttrWide).width(), 8);
    EXPECT_EQ(item('M', 2, 0).width(), 4);
}

TEST_F(TextItemTest, WidthsAndAttributes) {
    // Fixed width centres the 3-column "!" in the 5-column cell, then 1 column of spacing.
    EXPECT_EQ(drawn(item('!', 2, kAttrFixedWidth), 7), lines(5, "..R...") + "......\n..R...\n");
    // Double wide paints every bit twice: (4 + 1) x 2.
    EXPECT_EQ(drawn(item('A', 2, kAttrDoubleWide), 7), lines(7, "RRRRRRRR.."));
    // Wide paints again one column over; shadow adds the contrasting colour one column over
    // (two with wide).
    EXPECT_EQ(drawn(item('A', 2, kAttrWide), 7), lines(7, "RRRRR."));
    EXPECT_EQ(drawn(item('A', 2, kAttrShadow), 7), lines(7, "RRRRG."));
    EXPECT_EQ(drawn(item('A', 2, kAttrShadow | kAttrWide), 7), lines(7, "RRRRRG."));
}

TEST_F(TextItemTest, BandsAndDoubleHighStretches) {
    EXPECT_EQ(drawn(item('A', 2, 0, kRainbow1), 7),
              lines(2, "RRRR.") + lines(3, "AAAA.") + lines(2, "GGGG."));
    // Five rows: the bands end after rows 2, 4 and 5.
    EXPECT_EQ(drawn(item('A', 1, 0, kRainbow1), 5), lines(2, "RRR.") + lines(2, "AAA.") + "GGG.\n");
    // Font 9 "I" (one lit column, spacing 2) doubled: stretched to 24 rows by the row mask,
    // to 32 by tripling rows 3 and 12, or plain 30 rows bottom-aligned without the feature.
    auto stretched = [&](const LedFonts& fonts, int lineHeight) {
        return drawn(TextItem('I', fonts[9], kAttrDoubleHigh, kRainbow1), lineHeight);
    };
    EXPECT_EQ(stretched(fonts_, 24), lines(7, "R..") + lines(9, "A..") + lines(8, "G.."));
    EXPECT_EQ(stretched(LedFonts(32, kFeatStretch15, &test::testLookup), 32),
              lines(11, "R..") + lines(10, "A..") + lines(11, "G.."));
    EXPECT_EQ(stretched(LedFonts(32, 0, &test::testLookup), 32),
              lines(2, "...") + lines(10, "R..") + lines(10, "A..") + lines(10, "G.."));
}

TEST_F(TextItemTest, DescendersAndLineAlignment) {
    // With true descenders the line is 9 rows: "g" reaches the bottom, "A" stays on the
    // baseline two rows above.
    EXPECT_EQ(item('g', 2, kAttrDescenders).height(), 9);
    EXPECT_EQ(drawn(item('g', 2, kAttrDescenders), 9), lines(5, "....") + lines(4, "RRR."));
    EXPECT_EQ(drawn(item('A', 2, kAttrDescenders), 9), lines(7, "RRRR.") + lines(2, "....."));
    // Bottom-aligned in a taller line; in a lower one the top rows are cut, and nothing is
    // painted above the line.
    LedBitmap b(5, 12);
    item('A', 2, 0).draw(b, 0, 2, 9);
    EXPECT_EQ(test::dumpLeds(b), lines(4, ".....") + lines(7, "RRRR.") + ".....\n");
    LedBitmap low(5, 8);
    item('A', 2, 0).draw(low, 0, 3, 4);
    EXPECT_EQ(test::dumpLeds(low), lines(3, ".....") + lines(4, "RRRR.") + ".....\n");
}

}  // namespace
}  // namespace ztk::sim
