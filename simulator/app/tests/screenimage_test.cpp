// SPDX-License-Identifier: MIT
// The window's copy of the screen bitmap: what a presented frame changes, and when the window
// is asked to repaint.
// The colours kept from frame to frame, each converting only what the engine reports as
// changed, are the whole screen converted afresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screenimage.h"
#include "simcore/displayengine.h"
#include "simcore/interpreter.h"
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

TEST(ScreenImageTest, CopiesAndConvertsPresentedAreasAndAsksOnceForARepaint) {
    int asked = 0;
    ScreenImage image([&] { ++asked; });
    Frame frame;
    image.present(frame.view(), {0, 0, 16, 4});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(image.takeDirty(), QRect(0, 0, 16, 4));

    frame.pixels[1 * 16 + 3] = sim::kLedRed;
    frame.pixels[2 * 16 + 9] = sim::kLedGreen | sim::kLedFlash;
    frame.pixels[3 * 16 + 0] = sim::kLedRed;     // not presented: not copied
    image.present(frame.view(), {2, 1, 2, 1});   // covers the red pixel only
    image.present(frame.view(), {9, 2, 20, 9});  // reaches past the image: clipped
    EXPECT_EQ(asked, 2);                         // not again until the dirty area is taken
    EXPECT_EQ(image.takeDirty(), QRect(2, 1, 14, 3));
    image.present(frame.view(), {0, 0, 0, 0});
    EXPECT_TRUE(image.takeDirty().isEmpty());  // nothing presented: no repaint
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(image.pixelIndex(3, 1), sim::kLedRed);
    EXPECT_EQ(image.pixelIndex(9, 2), sim::kLedGreen | sim::kLedFlash);
    EXPECT_EQ(image.pixelIndex(0, 3), 0);
    EXPECT_EQ(image.colored().pixel(3, 1), sim::colorTableA(3)[sim::kLedRed]);
    EXPECT_EQ(image.snapshot().pixel(9, 2), sim::colorTableA(3)[sim::kLedGreen | sim::kLedFlash]);

    // The dark flash phase: the area presented with it (where the flashing LEDs are) is
    // recoloured, the rest keeps its colours, which the dark table shows the same.
    frame.table = sim::colorTableB(3);
    image.present(frame.view(), {9, 2, 1, 1});
    EXPECT_EQ(image.takeDirty(), QRect(9, 2, 1, 1));
    EXPECT_EQ(image.colored().pixel(9, 2), sim::colorTableB(3)[sim::kLedGreen | sim::kLedFlash]);
    EXPECT_EQ(image.colored().pixel(3, 1), sim::colorTableB(3)[sim::kLedRed]);
    EXPECT_EQ(image.snapshot().pixel(9, 2), sim::colorTableB(3)[sim::kLedGreen | sim::kLedFlash]);

    // A frame of another size starts again, black.
    frame = Frame{};
    frame.width = 8;
    frame.pixels.assign(8 * 4, sim::kLedRed);
    image.present(frame.view(), {0, 0, 1, 1});
    EXPECT_EQ(image.takeDirty(), QRect(0, 0, 8, 4));
    EXPECT_EQ(image.colored().pixel(0, 0), sim::colorTableA(3)[sim::kLedRed]);
    EXPECT_EQ(image.colored().pixel(1, 0), QColor(Qt::black).rgb());
}

// The screen image of a real engine, stepped through moving and holding pages with flashing
// LEDs: after every step the window's colours are the engine's screen converted whole.
TEST(ScreenImageTest, PartialConversionsEqualAFullConversion) {
    for (const char* mode : {"b", "a", "e", "n4", "n0", "c", "nC"}) {
        SCOPED_TRACE(mode);
        sim::DisplayModel model;
        model.columns = 37;
        model.rows = 16;
        model.modeMask = 0x7FFF;
        sim::PacketInterpreter interpreter(model);
        std::string text =
            "\x01\x01\x01\x01\x01\x01Z00\x02"
            "AA\x1b"
            "0";
        text += mode;
        text += "Ab\0071Cd\0070E\rF\0071G\x04";
        const std::vector<std::uint8_t> packet(text.begin(), text.end());
        interpreter.newMessage(packet);
        ScreenImage image({});
        sim::EngineOptions options;
        options.zoom = 2;
        options.seed = 3;
        options.presentInterval = {};
        sim::DisplayEngine engine(interpreter, model, image, options);
        for (int step = 0; step < 300; ++step) {
            engine.step();
            const sim::ScreenBitmap& screen = engine.surface().screen();
            const QImage shown = image.colored();
            ASSERT_EQ(shown.size(), QSize(screen.width(), screen.height()));
            const sim::ColorTable& table = screen.colorTable();
            for (int y = 0; y < screen.height(); ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
                for (int x = 0; x < screen.width(); ++x)
                    ASSERT_EQ(row[x], table[screen.scanLine(y)[x]])
                        << "step " << step << " pixel " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace ztk::simapp
