#include <gtest/gtest.h>

#include "simcore/displaymodel.h"
#include "simcore/messagestream.h"
#include "simcore/palette.h"
#include "simcore/textitem.h"
#include "testcharsets.h"

namespace ztk::sim {
namespace {

using test::dumpLeds;

// `n` dump lines of `line`.
std::string rows(int n, const std::string& line) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += line + '\n';
    return out;
}

const GlyphColors kRed{{kLedRed, kLedRed, kLedRed}, kLedGreen};
const GlyphColors kRainbow1{{kLedRed, kLedAmber, kLedGreen}, kLedGreen};

class TextItemTest : public ::testing::Test {
  protected:
    TextItemTest() { test::installTestFonts(); }
    // The item drawn alone at (0, 0) in a bitmap of its width and `lineHeight` rows.
    static std::string drawn(const TextItem& item, int lineHeight) {
        LedBitmap b(item.width(), lineHeight);
        item.draw(b, 0, 0, lineHeight);
        return dumpLeds(b);
    }
    LedFonts fonts_{24, kFeatStretch15, &test::testLookup};
};

TEST_F(TextItemTest, GlyphChoice) {
    // Font 1 has capitals only: "a" shows "A".
    const TextItem a('a', fonts_[1], 0, kRed);
    EXPECT_EQ(a.width(), 4);
    EXPECT_EQ(drawn(a, 5), drawn(TextItem('A', fonts_[1], 0, kRed), 5));
    EXPECT_NE(drawn(a, 5).find("RRR."), std::string::npos);
    // Beyond the set's 162 glyphs, and extended codes, show "?" (2 wide in the test set).
    for (int c : {0xFF, 0x1A3}) {
        const TextItem q(c, fonts_[2], 0, kRed);
        EXPECT_EQ(q.width(), 3) << c;
        EXPECT_EQ(drawn(q, 7), drawn(TextItem('?', fonts_[2], 0, kRed), 7));
    }
    // Blanks take width and draw nothing; 0xAB is one column unless fixed width is on.
    for (int c : {0x20, 0x7E, 0xAB}) {
        const TextItem blank(c, fonts_[2], 0, kRed);
        EXPECT_TRUE(blank.isBlank());
        EXPECT_EQ(blank.width(), c == 0xAB ? 2 : 4) << c;
        EXPECT_EQ(drawn(blank, 7).find_first_not_of(".\n"), std::string::npos);
    }
    EXPECT_EQ(TextItem(0xAB, fonts_[2], kAttrFixedWidth, kRed).width(), 6);
    // Wide letters come from the wide set and are not widened again.
    EXPECT_EQ(TextItem('M', fonts_[2], kAttrWide, kRed).width(), 8);
    EXPECT_EQ(TextItem('M', fonts_[2], 0, kRed).width(), 6);
}

TEST_F(TextItemTest, WidthsAndAttributes) {
    // Fixed width centres the 3-column "!" in the 5-column cell, then 1 column of spacing.
    const TextItem bang('!', fonts_[2], kAttrFixedWidth, kRed);
    EXPECT_EQ(bang.width(), 6);
    EXPECT_EQ(drawn(bang, 7), "..R...\n..R...\n..R...\n..R...\n..R...\n......\n..R...\n");
    EXPECT_EQ(TextItem('!', fonts_[2], 0, kRed).width(), 4);

    // Double wide paints every bit twice: (4 + 1) x 2.
    const TextItem dw('A', fonts_[2], kAttrDoubleWide, kRed);
    EXPECT_EQ(dw.width(), 10);
    EXPECT_EQ(drawn(dw, 7).substr(0, 11), "RRRRRRRR..\n");
    // Wide paints it again one column to the right; shadow adds a column in the
    // contrasting colour (two columns over with wide).
    EXPECT_EQ(drawn(TextItem('A', fonts_[2], kAttrWide, kRed), 7).substr(0, 7), "RRRRR.\n");
    EXPECT_EQ(drawn(TextItem('A', fonts_[2], kAttrShadow, kRed), 7).substr(0, 7), "RRRRG.\n");
    EXPECT_EQ(drawn(TextItem('A', fonts_[2], kAttrShadow | kAttrWide, kRed), 7).substr(0, 8),
              "RRRRRG.\n");
}

TEST_F(TextItemTest, BandsSplitTheGlyphRows) {
    EXPECT_EQ(drawn(TextItem('A', fonts_[2], 0, kRainbow1), 7),
              "RRRR.\nRRRR.\nAAAA.\nAAAA.\nAAAA.\nGGGG.\nGGGG.\n");
    // Five rows: the bands end after rows 2, 4 and 5.
    EXPECT_EQ(drawn(TextItem('A', fonts_[1], 0, kRainbow1), 5), "RRR.\nRRR.\nAAA.\nAAA.\nGGG.\n");
}

TEST_F(TextItemTest, DoubleHighStretchesFifteenRowSets) {
    auto column = [&](const LedFonts& fonts, int lineHeight) {
        const TextItem item('I', fonts[9], kAttrDoubleHigh, kRainbow1);
        std::string s = drawn(item, lineHeight);
        std::erase(s, '\n');
        std::string col;
        for (std::size_t i = 0; i < s.size(); i += item.width())
            col += s[i];
        return col;
    };
    // 24 rows: rows 0, 1, 5, 6, 8, 9, 10, 13, 14 doubled.
    EXPECT_EQ(column(fonts_, 24), std::string(7, 'R') + std::string(9, 'A') + std::string(8, 'G'));
    // 32 rows: every row doubled, rows 3 and 12 tripled.
    const LedFonts tall(32, kFeatStretch15, &test::testLookup);
    EXPECT_EQ(column(tall, 32), std::string(11, 'R') + std::string(10, 'A') + std::string(11, 'G'));
    // Without the stretch feature: the plain 30 rows, bottom-aligned in the line.
    const LedFonts plain(32, 0, &test::testLookup);
    EXPECT_EQ(column(plain, 32),
              ".." + std::string(10, 'R') + std::string(10, 'A') + std::string(10, 'G'));
}

TEST_F(TextItemTest, DescendersAndLineAlignment) {
    // With true descenders the line is 9 rows: "g" reaches the bottom, "A" sits on the
    // baseline two rows above it.
    const TextItem g('g', fonts_[2], kAttrDescenders, kRed);
    const TextItem a('A', fonts_[2], kAttrDescenders, kRed);
    EXPECT_EQ(g.height(), 9);
    EXPECT_EQ(drawn(g, 9), "....\n....\n....\n....\n....\nRRR.\nRRR.\nRRR.\nRRR.\n");
    EXPECT_EQ(drawn(a, 9), rows(7, "RRRR.") + rows(2, "....."));
    // In a taller line the glyph sits at the bottom; in a lower one its top rows are cut, and
    // nothing is painted above the line.
    LedBitmap b(5, 12);
    TextItem('A', fonts_[2], 0, kRed).draw(b, 0, 2, 9);
    EXPECT_EQ(dumpLeds(b), rows(4, ".....") + rows(7, "RRRR.") + rows(1, "....."));
    LedBitmap low(5, 8);
    TextItem('A', fonts_[2], 0, kRed).draw(low, 0, 3, 4);
    EXPECT_EQ(dumpLeds(low), rows(3, ".....") + rows(4, "RRRR.") + rows(1, "....."));
}

}  // namespace
}  // namespace ztk::sim
