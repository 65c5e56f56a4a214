// SPDX-License-Identifier: MIT
// The CharSet view never reads outside its bytes, whatever index or bytes it is given.

#include <gtest/gtest.h>

#include <vector>

#include "preview.h"
#include "simcore/charset.h"

using ztk::sim::CharSet;

namespace {

// Two glyphs of 2 rows, 2 bytes per row; glyph 1 claims 12 columns but its data has bits
// set beyond them.
const std::vector<std::uint8_t> kSet = {2,  2,    2,    12,   1,     //
                                        3,  0xE0, 0x00, 0xA0, 0x00,  //
                                        12, 0x80, 0x1F, 0xFF, 0xFF};

}  // namespace

TEST(CharsetView, ReadsRowsAndStaysInsideTheGlyph) {
    const CharSet set(kSet);
    ASSERT_TRUE(set.valid());
    EXPECT_EQ(set.glyphWidth(0), 3);
    EXPECT_TRUE(set.lit(0, 1, 2));
    EXPECT_FALSE(set.lit(0, 1, 1));
    EXPECT_EQ(set.rowBits(1, 0), 0x8010) << "bits beyond the width must read dark";
    EXPECT_EQ(set.rowBits(1, 1), 0xFFF0);
    EXPECT_TRUE(set.lit(1, 0, 11));
    EXPECT_FALSE(set.lit(1, 0, 12));

    for (const int k : {-1, 2, 255, 100000}) {
        EXPECT_EQ(set.glyphWidth(k), 0) << k;
        EXPECT_EQ(set.rowBits(k, 0), 0) << k;
        EXPECT_FALSE(set.lit(k, 0, 0)) << k;
    }
    EXPECT_EQ(set.rowBits(0, -1), 0);
    EXPECT_EQ(set.rowBits(0, 2), 0);
    EXPECT_FALSE(set.lit(0, 0, -1));
    EXPECT_FALSE(set.lit(0, 0, 16));
}

TEST(CharsetView, RefusesBytesTooShortForTheirHeader) {
    std::vector<std::uint8_t> cut(kSet.begin(), kSet.end() - 1);
    std::vector<std::uint8_t> threeBytes = kSet;
    threeBytes[1] = 3;
    std::vector<std::uint8_t> noRows = kSet;
    noRows[2] = 0;
    for (const auto& bytes :
         {cut, threeBytes, noRows, std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{1, 1}}) {
        const CharSet set(bytes);
        EXPECT_FALSE(set.valid());
        EXPECT_EQ(set.glyphCount(), 0);
        EXPECT_EQ(set.rows(), 0);
        EXPECT_EQ(set.glyphWidth(0), 0);
        EXPECT_FALSE(set.lit(0, 0, 0));
    }
    EXPECT_FALSE(CharSet().valid());
    EXPECT_EQ(CharSet().cell(), 0);
    EXPECT_TRUE(ztk::sim::charsetResource(0x104 + 0x300).empty());
    EXPECT_TRUE(ztk::sim::charsetResource(0).empty());
    EXPECT_TRUE(ztk::sim::charsetResource(-1).empty());
}

TEST(CharsetView, PreviewShowsCharactersBeyondTheSetAsQuestionMarks) {
    const CharSet capitals(ztk::sim::charsetResource(0x101));
    EXPECT_EQ(ztk::sim::previewText(capitals, "a\xff\x01"), ztk::sim::previewText(capitals, "???"));
    const auto rows = ztk::sim::previewText(capitals, "I");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows.front(), "###.");  // the glyph, then one column of spacing
}
