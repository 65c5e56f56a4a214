#include <gtest/gtest.h>

#include <map>

#include "engine_testsupport.h"
#include "simcore/palette.h"

namespace ztk::sim {
namespace {

using test::pageText;
using test::Sign;

// What colour a page of three glyphs shows: "R", "G", "A" for plain colours, "mix",
// "rainbow1", "rainbow2", or "?" for anything else.
std::string colourKind(const Effect& fx) {
    const auto& items = fx.lines().front().items();
    std::vector<GlyphColors> c;
    for (const PageItem& item : items)
        c.push_back(std::get<TextItem>(item).colors());
    const auto plain = [](const GlyphColors& g) {
        return g.bands[0] == g.bands[1] && g.bands[1] == g.bands[2];
    };
    if (plain(c[0]) && c[0] == c[1] && c[1] == c[2]) {
        if (c[0].bands[0] == kLedRed) return "R";
        if (c[0].bands[0] == kLedGreen) return "G";
        if (c[0].bands[0] == kLedAmber) return "A";
        return "?";
    }
    if (plain(c[0]) && plain(c[1]) && plain(c[2]) && c[0].bands[0] != c[1].bands[0] &&
        c[1].bands[0] != c[2].bands[0])
        return "mix";
    const std::array<std::uint8_t, 3> rainbow1{kLedRed, kLedAmber, kLedGreen};
    if (c[0].bands == rainbow1 && c[1].bands == rainbow1) return "rainbow1";
    if (c[0].bands != c[1].bands && c[1].bands != c[2].bands) return "rainbow2";
    return "?";
}

// Autocolour picks a colour for every page among the sign's plain colours, colour mix and the
// two rainbows, each about as often as the others; a single-colour sign shows red.
TEST(EngineColor, AutocolourPicksAmongTheSignsColoursPageByPage) {
    std::map<std::string, int> seen;
    Sign sign(test::model(40, 7),
              "\x09"
              "ABC",
              [&](const Effect& fx, int) { ++seen[colourKind(fx)]; });
    for (int page = 0; page < 600; ++page)
        sign.engine.step();
    EXPECT_EQ(seen.size(), 6u);
    for (const char* kind : {"R", "G", "A", "mix", "rainbow1", "rainbow2"})
        EXPECT_GT(seen[kind], 60) << kind;

    std::map<std::string, int> single;
    Sign red(test::model(40, 7, 1),
             "\x09"
             "ABC",
             [&](const Effect& fx, int) { ++single[colourKind(fx)]; });
    for (int page = 0; page < 10; ++page)
        red.engine.step();
    EXPECT_EQ(single, (std::map<std::string, int>{{"R", 10}}));
}

// On a 32-row sign a top page after a full-display page clears the display and takes rows
// 0-23, then keeps the height of its content; the bottom page takes the rows below it; the
// top part stays lit meanwhile. A later top page reuses the remembered height and reduces
// its font to fit.
TEST(EngineArea, TopAndBottomAreasOnATallSign) {
    Sign sign(test::model(40, 32),
              "\x1b\"bAB\r\x1b&bCD\x1b\"b\x1a"
              "9EF");
    sign.engine.step();
    const Effect* top = sign.engine.currentEffect();
    EXPECT_EQ(top->area(), (LedRect{0, 0, 40, 8}));
    EXPECT_FALSE(top->centreVertically());
    EXPECT_EQ(sign.engine.topHeight(), 8);

    test::stepsOfPage(sign.engine);
    sign.engine.step();
    const Effect* bottom = sign.engine.currentEffect();
    EXPECT_EQ(pageText(*bottom), "CD");
    EXPECT_EQ(bottom->area(), (LedRect{0, 8, 40, 24}));
    const ScreenBitmap& s = sign.engine.surface().screen();
    EXPECT_NE(s.led(14, 0), kLedOff);  // "AB" still shows at the top
    EXPECT_NE(s.led(14, 8), kLedOff);  // "CD" from the top row of the bottom area

    test::stepsOfPage(sign.engine);
    sign.engine.step();
    const Effect* again = sign.engine.currentEffect();
    EXPECT_EQ(pageText(*again), "EF");
    EXPECT_EQ(again->area(), (LedRect{0, 0, 40, 8}));
    EXPECT_EQ(std::get<TextItem>(again->lines()[0].items()[0]).fontId(), 2);

    // A fill page gives the whole display back.
    Sign fill(test::model(40, 32),
              "\x1b\"bAB\x1b"
              "0bCD");
    fill.engine.step();
    test::stepsOfPage(fill.engine);
    fill.engine.step();
    EXPECT_EQ(fill.engine.currentEffect()->area(), (LedRect{0, 0, 40, 32}));
    EXPECT_EQ(fill.engine.topHeight(), 32);
}

// A bottom page first after a full-display page clears the display and starts at row 8.
TEST(EngineArea, BottomFirstStartsBelowEightRows) {
    Sign sign(test::model(40, 16), "\x1b&bAB");
    sign.engine.step();
    EXPECT_EQ(sign.engine.currentEffect()->area(), (LedRect{0, 8, 40, 8}));
    // On a sign lower than 16 rows every position uses the whole display.
    Sign low(test::model(40, 8), "\x1b&bAB");
    low.engine.step();
    EXPECT_EQ(low.engine.currentEffect()->area(), (LedRect{0, 0, 40, 8}));
}

}  // namespace
}  // namespace ztk::sim
