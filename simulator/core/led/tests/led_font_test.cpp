#include <gtest/gtest.h>

#include <numeric>

#include "simcore/displaymodel.h"
#include "simcore/ledfont.h"
#include "simcore/messagestream.h"
#include "testcharsets.h"

namespace ztk::sim {
namespace {

class FontTest : public ::testing::Test {
  protected:
    void SetUp() override { test::installTestFonts(); }
};

TEST_F(FontTest, CurrentHeightFollowsDescendersDoubleHighAndStretch) {
    const LedFonts tall(32, kFeatStretch15, &test::testLookup);
    const LedFonts plain(32, 0, &test::testLookup);
    EXPECT_EQ(tall[2].currentHeight(0).height, 7);
    EXPECT_EQ(tall[2].currentHeight(kAttrDescenders).height, 9);
    EXPECT_EQ(tall[1].currentHeight(kAttrDescenders).height, 5);  // no descender set
    EXPECT_EQ(tall[2].currentHeight(kAttrDoubleHigh | kAttrDescenders).height, 18);
    // A doubled 15-row set fills a 32-row sign only with the stretch feature.
    EXPECT_EQ(tall[9].currentHeight(kAttrDoubleHigh).height, 32);
    EXPECT_EQ(plain[9].currentHeight(kAttrDoubleHigh).height, 30);
    EXPECT_EQ(
        LedFonts(24, kFeatStretch15, &test::testLookup)[9].currentHeight(kAttrDoubleHigh).height,
        24);
    // The 18-row descender set is not a 15-row set: doubled it is too tall and double high
    // goes off.
    const FontHeight d = tall[9].currentHeight(kAttrDoubleHigh | kAttrDescenders);
    EXPECT_EQ(d.height, 18);
    EXPECT_EQ(d.attrs, kAttrDescenders);
    // Ten rows doubled do not fit 16 rows.
    const FontHeight f8 = LedFonts(16, 0, &test::testLookup)[8].currentHeight(kAttrDoubleHigh);
    EXPECT_EQ(f8.height, 10);
    EXPECT_EQ(f8.attrs, 0);
    // Unknown ids fall back to font 2.
    EXPECT_EQ(tall[0].id(), 2);
    EXPECT_EQ(tall[13].id(), 2);
}

TEST_F(FontTest, StretchRowsAddUpToTheHeight) {
    const auto sum = [](const std::vector<int>& v) {
        return std::accumulate(v.begin(), v.end(), 0);
    };
    const std::vector<int> r24 = LedFont::rowRepeats(15, 24);
    EXPECT_EQ(r24, (std::vector<int>{2, 2, 1, 1, 1, 2, 2, 1, 2, 2, 2, 1, 1, 2, 2}));
    const std::vector<int> r32 = LedFont::rowRepeats(15, 32);
    EXPECT_EQ(r32[3], 3);
    EXPECT_EQ(r32[12], 3);
    EXPECT_EQ(sum(r32), 32);
    EXPECT_EQ(LedFont::rowRepeats(7, 14), std::vector<int>(7, 2));
    for (int h : {20, 40, 64})
        EXPECT_EQ(sum(LedFont::rowRepeats(15, h)), h) << h;
}

TEST_F(FontTest, ReductionToFitStepsDownAndAlwaysEnds) {
    const LedFonts fonts(32, 0, &test::testLookup);
    // Font 10 with double high in 16 rows: double high off (15 fits).
    FontChoice c = reduceToFit(fonts, 10, kAttrDoubleHigh, 16);
    EXPECT_EQ(c.fontId, 10);
    EXPECT_EQ(c.attrs, 0);
    EXPECT_TRUE(c.fits);
    // In 8 rows: 10 -> 8 -> 3.
    c = reduceToFit(fonts, 10, 0, 8);
    EXPECT_EQ(c.fontId, 3);
    EXPECT_EQ(c.height, 7);
    // Descenders go before giving up on font 2; font 9 becomes 2.
    c = reduceToFit(fonts, 9, kAttrDescenders | kAttrShadow, 8);
    EXPECT_EQ(c.fontId, 2);
    EXPECT_EQ(c.attrs, kAttrShadow);
    c = reduceToFit(fonts, 4, 0, 5);
    EXPECT_EQ(c.fontId, 1);
    EXPECT_TRUE(c.fits);
    // Nothing fits 3 rows: font 1 is the end; fonts 5-7 cannot be reduced at all.
    c = reduceToFit(fonts, 12, kAttrDoubleHigh | kAttrDescenders, 3);
    EXPECT_FALSE(c.fits);
    EXPECT_EQ(c.fontId, 3);
    c = reduceToFit(fonts, 6, 0, 4);
    EXPECT_FALSE(c.fits);
    EXPECT_EQ(c.fontId, 6);
}

}  // namespace
}  // namespace ztk::sim
