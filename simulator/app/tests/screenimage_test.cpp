// SPDX-License-Identifier: MIT
// The window's copy of the screen bitmap: what a presented frame changes, and when the window
// is asked to repaint.
#include <gtest/gtest.h>

#include <vector>

#include "screenimage.h"
#include "simcore/palette.h"

namespace ztk::simapp {
namespace {

struct Frame {
    int width = 16;
    int height = 4;
    std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(16 * 4, 0);
    sim::ColorTable table = sim::colorTableA(3);

    sim::ScreenView view() const { return {pixels.data(), width, height, width, &table}; }
};

TEST(ScreenImageTest, CopiesPresentedAreasAndAsksOnceForARepaint) {
    int asked = 0;
    ScreenImage image([&] { ++asked; });
    Frame frame;
    image.present(frame.view(), {0, 0, 16, 4});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(image.takeDirty(), QRect(0, 0, 16, 4));

    frame.pixels[1 * 16 + 3] = sim::kLedRed;
    frame.pixels[2 * 16 + 9] = sim::kLedGreen | sim::kLedFlash;
    image.present(frame.view(), {2, 1, 2, 1});         // covers the red pixel only
    image.present(frame.view(), {9, 2, 20, 9});        // reaches past the image: clipped
    EXPECT_EQ(asked, 2);                               // not again until the dirty area is taken
    EXPECT_EQ(image.takeDirty(), QRect(2, 1, 14, 2));  // row 3 did not change
    image.present(frame.view(), {0, 0, 16, 4});
    EXPECT_TRUE(image.takeDirty().isEmpty());  // nothing changed: no repaint
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(image.pixelIndex(3, 1), sim::kLedRed);
    EXPECT_EQ(image.pixelIndex(9, 2), sim::kLedGreen | sim::kLedFlash);
    EXPECT_EQ(image.snapshot().pixel(9, 2), sim::colorTableA(3)[sim::kLedGreen | sim::kLedFlash]);

    // The dark flash phase recolours every pixel: the whole image is to be repainted, even
    // when the frame changed no pixel.
    frame.table = sim::colorTableB(3);
    image.present(frame.view(), {0, 0, 1, 1});
    EXPECT_EQ(image.takeDirty(), QRect(0, 0, 16, 4));
    EXPECT_EQ(image.snapshot().pixel(9, 2), sim::colorTableB(3)[sim::kLedGreen | sim::kLedFlash]);
}

}  // namespace
}  // namespace ztk::simapp
