// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "simcore/palette.h"
#include "simcore/pictureitem.h"
#include "testcharsets.h"

namespace ztk::sim {
namespace {

using test::dumpLeds;

// A picture from text rows ('R', 'G', '.' off); a row shorter than `width` ends early.
std::shared_ptr<DotsPicture> picture(int width, const std::vector<std::string>& rows) {
    auto p = std::make_shared<DotsPicture>();
    p->width = width;
    p->height = static_cast<int>(rows.size());
    for (const std::string& r : rows) {
        for (char c : r)
            p->pixels.push_back(c == 'R' ? kLedRed : c == 'G' ? kLedGreen : kLedOff);
        p->pixels.push_back(0xFF);
    }
    p->pixels.resize(static_cast<std::size_t>(width + 1) * rows.size(), 0xFF);
    return p;
}

TEST(PictureItem, ContinuesOnTheNextPageAndShowsShortRowsOff) {
    PictureItem item(picture(5, {"RRGGR", "GG", "RGRGR"}));
    item.setShownWidth(3);
    LedBitmap page1(3, 4);
    item.draw(page1, 0, 0, 4);  // bottom-aligned
    EXPECT_EQ(dumpLeds(page1), "...\nRRG\nGG.\nRGR\n");
    EXPECT_TRUE(item.advance());
    EXPECT_EQ(item.offset(), 3);
    EXPECT_EQ(item.width(), 2);
    LedBitmap page2(3, 3);
    item.draw(page2, 1, 0, 3);
    EXPECT_EQ(dumpLeds(page2), ".GR\n...\n.GR\n");
    EXPECT_FALSE(item.advance());
}

TEST(PictureItem, CutHeightWeightAndBrokenData) {
    PictureItem item(picture(20, {std::string(20, 'R'), std::string(20, 'G')}));
    item.setHeight(1);
    LedBitmap b(20, 2);
    item.draw(b, 0, 0, 2);
    EXPECT_EQ(dumpLeds(b), std::string(20, '.') + "\n" + std::string(20, 'R') + "\n");
    EXPECT_EQ(item.weight(), 2);  // (8 / 8) x (20 / 8)
    // Data shorter than it claims, without markers, never reads past its end.
    auto broken = std::make_shared<DotsPicture>(DotsPicture{4, 3, {11, 11, 11, 11, 12, 12}});
    LedBitmap c(4, 3);
    PictureItem(broken).draw(c, 0, 0, 3);
    EXPECT_EQ(dumpLeds(c), "RRRR\nGG..\n....\n");
    PictureItem(nullptr).draw(c, 0, 0, 3);
}

}  // namespace
}  // namespace ztk::sim
