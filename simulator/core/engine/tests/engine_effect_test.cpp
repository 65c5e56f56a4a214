#include <gtest/gtest.h>

#include "engine_testsupport.h"
#include "simcore/holdeffect.h"
#include "simcore/palette.h"

namespace ztk::sim {
namespace {

// Exposes the helpers a display mode draws with.
class Probe final : public Effect {
  public:
    int step(LedSurface& surface) override { return holdStep(surface); }
    using Effect::renderContent;
    using Effect::renderLine;
    using Effect::renderPage;
};

class EffectBase : public ::testing::Test {
  protected:
    // A finished line of block glyphs (6 columns each, 7 rows + 1).
    PageBuffer line(const std::string& text, bool unbounded = false) const {
        PageBuffer b(40, unbounded);
        for (char c : text)
            b.add(TextItem(c, fonts_[2], 0, GlyphColors{}));
        b.setLineHeight(b.tallest() + 1);
        return b;
    }
    LedFonts fonts_{24, 0x3FF, &test::blockLookup};
};

// The weight counts the items plus the area's width (rounded up to 8) per row of height plus
// 3, and nothing for a page without items, whatever the area.
TEST_F(EffectBase, Weight) {
    Probe fx;
    fx.setArea({0, 0, 117, 16});
    fx.addLine(line("ABCDEFGHIJ"));
    EXPECT_EQ(fx.weight(), 20);
    Probe flat;
    flat.setArea({0, 0, 40, 0});
    flat.addLine(line("A"));
    EXPECT_EQ(flat.weight(), 1 + 40 + 3);
    Probe empty;
    empty.setArea({0, 0, 40, 16});
    empty.addLine(line(""));
    EXPECT_EQ(empty.weight(), 0);
}

// The page renders centred in its area; the unbounded content keeps every column of its
// widest line; a line renders alone at its own size.
TEST_F(EffectBase, RenderedPages) {
    Probe fx;
    fx.setArea({0, 8, 40, 24});
    fx.addLine(line("AB"));
    fx.addLine(line("C"));
    const LedBitmap page = fx.renderPage();
    ASSERT_EQ(page.bounds(), (LedRect{0, 0, 40, 24}));
    EXPECT_EQ(page.at(13, 4), kLedOff);
    EXPECT_EQ(page.at(14, 4), kLedRed);
    EXPECT_EQ(page.at(14, 3), kLedOff);
    EXPECT_EQ(page.at(17, 12), kLedRed);
    EXPECT_EQ(page.at(16, 12), kLedOff);

    Probe rotating;
    rotating.setArea({0, 0, 40, 7});
    rotating.addLine(line("ABCDEFGHIJ", true));
    const LedBitmap content = rotating.renderContent();
    EXPECT_EQ(content.bounds(), (LedRect{0, 0, 60, 7}));
    EXPECT_EQ(content.at(0, 0), kLedRed);
    EXPECT_EQ(content.at(58, 6), kLedRed);
    EXPECT_EQ(content.at(59, 6), kLedOff);
    EXPECT_EQ(rotating.renderLine(0).bounds(), (LedRect{0, 0, 60, 8}));
}

// A hold page clears its area, draws itself on the first step and then holds while the flash
// phase runs; an empty first line holds 25 steps.
TEST_F(EffectBase, HoldStepsAndEmptyPages) {
    LedSurface surface(40, 16, 0, 3);
    surface.canvas().fill({0, 0, 40, 16}, kLedGreen);
    surface.copyBlock(surface.bounds());
    HoldEffect hold;
    hold.setArea({0, 8, 40, 8});
    hold.setCentreVertically(false);
    hold.addLine(line("A"));
    hold.setDuration(3);
    EXPECT_EQ(hold.step(surface), 2);
    EXPECT_EQ(surface.screen().led(17, 8), kLedRed);
    EXPECT_EQ(surface.screen().led(0, 8), kLedOff);
    EXPECT_EQ(surface.screen().led(0, 7), kLedGreen);  // outside the area
    const int countdown = surface.flashCountdown();
    EXPECT_EQ(hold.step(surface), 1);
    EXPECT_EQ(hold.step(surface), 0);
    EXPECT_TRUE(hold.finished());
    EXPECT_EQ(surface.flashCountdown(), countdown - 2);

    HoldEffect empty;
    empty.setArea({0, 0, 40, 16});
    empty.addLine(line(""));
    empty.setDuration(1);
    int steps = 1;
    while (empty.step(surface) > 0)
        ++steps;
    EXPECT_EQ(steps, kEmptyPageSteps);
}

}  // namespace
}  // namespace ztk::sim
