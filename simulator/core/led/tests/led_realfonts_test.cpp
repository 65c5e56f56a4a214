// The glyph rules over the shipped character sets.

#include <gtest/gtest.h>

#include <algorithm>

#include "simcore/displaymodel.h"
#include "simcore/messagestream.h"
#include "simcore/palette.h"
#include "simcore/textitem.h"
#include "testcharsets.h"

namespace ztk::sim {
namespace {

const GlyphColors kRed{};

std::string drawn(const TextItem& item) {
    LedBitmap b(item.width(), item.height());
    item.draw(b, 0, 0, item.height());
    return test::dumpLeds(b);
}

TEST(ShippedFonts, GlyphRulesHold) {
    const LedFonts fonts(32, kFeatStretch15);
    const int rows[12] = {5, 7, 7, 7, 8, 8, 8, 10, 15, 15, 16, 16};
    for (int id = 1; id <= 12; ++id)
        EXPECT_EQ(fonts[id].currentHeight(0).height, rows[id - 1]);
    EXPECT_EQ(fonts[9].currentHeight(kAttrDoubleHigh).height, 32);
    EXPECT_EQ(fonts[2].currentHeight(kAttrDescenders).height, 9);

    EXPECT_EQ(drawn(TextItem('a', fonts[1], 0, kRed)), drawn(TextItem('A', fonts[1], 0, kRed)));
    EXPECT_EQ(drawn(TextItem(0xFF, fonts[2], 0, kRed)), drawn(TextItem('?', fonts[2], 0, kRed)));

    // Fixed width centres "!" in the 5-column cell, then one column of spacing.
    const TextItem bang('!', fonts[2], kAttrFixedWidth, kRed);
    EXPECT_EQ(bang.width(), 6);
    const int own = fonts[2].main().glyphWidth('!' - 32);
    LedBitmap b(6, 7);
    bang.draw(b, 0, 0, 7);
    int first = 6, last = -1;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 6; ++x)
            if (b.at(x, y) != kLedOff) first = std::min(first, x), last = std::max(last, x);
    EXPECT_GE(first, (5 - own) / 2);
    EXPECT_LT(last, (5 - own) / 2 + own);
    EXPECT_LE(last, 4);
}

}  // namespace
}  // namespace ztk::sim
