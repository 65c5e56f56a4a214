#include <gtest/gtest.h>

#include "simcore/pageitem.h"
#include "simcore/palette.h"
#include "testcharsets.h"

namespace ztk::sim {
namespace {

using test::dumpLeds;

// A picture from text rows: 'R' red, 'G' green, '.' off; a row shorter than `width` ends
// with its marker early.
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
    EXPECT_EQ(item.width(), 5);
    item.setShownWidth(3);
    LedBitmap page1(3, 4);
    item.draw(page1, 0, 0, 4);  // bottom-aligned: one row left above it
    EXPECT_EQ(dumpLeds(page1), "...\nRRG\nGG.\nRGR\n");
    EXPECT_TRUE(item.advance());
    EXPECT_EQ(item.offset(), 3);
    EXPECT_EQ(item.width(), 2);
    LedBitmap page2(3, 3);
    item.draw(page2, 1, 0, 3);
    EXPECT_EQ(dumpLeds(page2), ".GR\n...\n.GR\n");
    EXPECT_FALSE(item.advance());
    EXPECT_EQ(item.width(), 0);
}

TEST(PictureItem, CutHeightWeightAndBrokenData) {
    PictureItem item(picture(20, {"RRRRRRRRRRRRRRRRRRRR", "GGGGGGGGGGGGGGGGGGGG"}));
    item.setHeight(1);
    LedBitmap b(20, 2);
    item.draw(b, 0, 0, 2);
    EXPECT_EQ(b.at(0, 0), kLedOff);
    EXPECT_EQ(b.at(0, 1), kLedRed);  // the first row, at the bottom
    EXPECT_EQ(item.weight(), 2);     // (8 / 8) x (20 / 8)
    item.setShownWidth(99);
    EXPECT_EQ(item.width(), 20);

    // Pixel data shorter than it claims, or without markers, never reads past its end.
    auto broken = std::make_shared<DotsPicture>();
    broken->width = 4;
    broken->height = 3;
    broken->pixels = {kLedRed, kLedRed, kLedRed, kLedRed, kLedGreen, kLedGreen};
    LedBitmap c(4, 3);
    PictureItem(broken).draw(c, 0, 0, 3);
    EXPECT_EQ(dumpLeds(c), "RRRR\nGG..\n....\n");
    PictureItem none(nullptr);
    EXPECT_EQ(none.width(), 0);
    none.draw(c, 0, 0, 3);

    // Items of a line are drawn one after the other.
    test::installTestFonts();
    const LedFonts fonts(8, 0, &test::testLookup);
    const std::vector<PageItem> line = {PageItem(TextItem('A', fonts[2], 0, GlyphColors{})),
                                        PageItem(PictureItem(picture(2, {"GG"}))),
                                        PageItem(TextItem(' ', fonts[2], 0, {}))};
    LedBitmap d(12, 7);
    EXPECT_EQ(drawItems(line, d, 0, 0, 7), 5 + 2 + 4);
    EXPECT_EQ(d.at(5, 6), kLedGreen);
    EXPECT_TRUE(itemIsBlank(line[2]));
    EXPECT_EQ(itemWeight(line[1]), 1);
}

}  // namespace
}  // namespace ztk::sim
