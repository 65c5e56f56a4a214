// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

#include "simcore/displaymodel.h"
#include "simcore/ledfont.h"
#include "simcore/messagestream.h"

namespace ztk::sim {
namespace {

TEST(LedFont, CurrentHeightFollowsDescendersDoubleHighAndStretch) {
    const LedFonts tall(32, kFeatStretch15);
    EXPECT_EQ(tall[2].currentHeight(kAttrDescenders).height, 9);
    EXPECT_EQ(tall[1].currentHeight(kAttrDescenders).height, 5);  // no descender set
    // A doubled 15-row set fills the sign only with the stretch feature.
    EXPECT_EQ(tall[9].currentHeight(kAttrDoubleHigh).height, 32);
    EXPECT_EQ(LedFonts(32, 0)[9].currentHeight(kAttrDoubleHigh).height, 30);
    EXPECT_EQ(LedFonts(24, kFeatStretch15)[10].currentHeight(kAttrDoubleHigh).height, 24);
    // Too tall doubled: double high goes off (18-row descenders are no 15-row set).
    EXPECT_EQ(tall[9].currentHeight(kAttrDoubleHigh | kAttrDescenders).attrs, kAttrDescenders);
    const FontHeight f8 = LedFonts(16, 0)[8].currentHeight(kAttrDoubleHigh);
    EXPECT_EQ(f8.height, 10);
    EXPECT_EQ(f8.attrs, 0);
}

TEST(LedFont, StretchRowsAddUpToTheHeight) {
    EXPECT_EQ(LedFont::rowRepeats(15, 24),
              (std::vector<int>{2, 2, 1, 1, 1, 2, 2, 1, 2, 2, 2, 1, 1, 2, 2}));
    const std::vector<int> r32 = LedFont::rowRepeats(15, 32);
    EXPECT_EQ(r32[3] + r32[12], 6);
    for (int h : {20, 32, 40, 64}) {
        const std::vector<int> r = LedFont::rowRepeats(15, h);
        EXPECT_EQ(std::accumulate(r.begin(), r.end(), 0), h) << h;
    }
}

TEST(LedFont, ReductionToFitStepsDownAndAlwaysEnds) {
    const LedFonts fonts(32, 0);
    auto reduce = [&](int font, int attrs, int available) {
        const FontChoice c = reduceToFit(fonts, font, static_cast<std::uint16_t>(attrs), available);
        return std::tuple(c.fontId, int(c.attrs), c.fits);
    };
    EXPECT_EQ(reduce(10, kAttrDoubleHigh, 16), std::tuple(10, 0, true));  // double high off
    EXPECT_EQ(reduce(10, 0, 8), std::tuple(3, 0, true));                  // 10 -> 8 -> 3
    EXPECT_EQ(reduce(9, kAttrDescenders | kAttrShadow, 8), std::tuple(2, int(kAttrShadow), true));
    EXPECT_EQ(reduce(4, 0, 5), std::tuple(1, 0, true));
    EXPECT_EQ(reduce(12, kAttrDoubleHigh | kAttrDescenders, 3), std::tuple(3, 0, false));
    EXPECT_EQ(reduce(6, 0, 4), std::tuple(6, 0, false));  // fonts 5-7 cannot shrink
}

}  // namespace
}  // namespace ztk::sim
