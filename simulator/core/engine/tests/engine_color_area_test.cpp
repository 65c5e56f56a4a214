// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>

#include "engine_testsupport.h"

namespace ztk::sim {
namespace {

using test::pageText;
using test::Sign;

// The colour a page of three glyphs shows: "R", "G", "A" plain, "mix", "rainbow1",
// "rainbow2", or "?".
std::string colourKind(const Effect& fx) {
    std::vector<std::array<std::uint8_t, 3>> c;
    for (const PageItem& item : fx.lines().front().items())
        c.push_back(std::get<TextItem>(item).colors().bands);
    const auto plain = [](const auto& b) { return b[0] == b[1] && b[1] == b[2]; };
    if (plain(c[0]) && c[0] == c[1] && c[1] == c[2])
        return c[0][0] == kLedRed     ? "R"
               : c[0][0] == kLedGreen ? "G"
               : c[0][0] == kLedAmber ? "A"
                                      : "?";
    if (plain(c[0]) && plain(c[1]) && c[0] != c[1] && c[1] != c[2]) return "mix";
    if (c[0] == std::array<std::uint8_t, 3>{kLedRed, kLedAmber, kLedGreen} && c[0] == c[1])
        return "rainbow1";
    return c[0] != c[1] && c[1] != c[2] ? "rainbow2" : "?";
}

// Autocolour picks for every page among the sign's plain colours, colour mix and the two
// rainbows, each about as often; a single-colour sign shows red.
TEST(EngineColor, AutocolourPicksAmongTheSignsColoursPageByPage) {
    std::map<std::string, int> three, single;
    Sign sign(test::model(40, 7), "\011ABC",
              [&](const Effect& fx, int) { ++three[colourKind(fx)]; });
    Sign red(test::model(40, 7, 1), "\011ABC",
             [&](const Effect& fx, int) { ++single[colourKind(fx)]; });
    for (int page = 0; page < 600; ++page)
        sign.engine.step();
    for (int page = 0; page < 10; ++page)
        red.engine.step();
    EXPECT_EQ(three.size(), 6u);
    for (const char* kind : {"R", "G", "A", "mix", "rainbow1", "rainbow2"})
        EXPECT_GT(three[kind], 60) << kind;
    EXPECT_EQ(single, (std::map<std::string, int>{{"R", 10}}));
}

// On a 32-row sign a top page after a full-display page takes rows 0-23, then keeps the height
// of its content; the bottom page takes the rows below while the top stays lit; the next top
// page reuses the remembered height, reducing its font to fit; a fill page gives the whole
// display back. A bottom page first starts at row 8; below 16 rows there are no areas.
TEST(EngineArea, TopAndBottomAreas) {
    Sign sign(test::model(40, 32), "\033\"bAB\r\033&bCD\033\"b\0329EF\0330bGH");
    const Effect& top = sign.page();
    EXPECT_EQ(top.area(), (LedRect{0, 0, 40, 8}));
    EXPECT_FALSE(top.centreVertically());
    const Effect& bottom = sign.page();
    EXPECT_EQ(pageText(bottom), "CD");
    EXPECT_EQ(bottom.area(), (LedRect{0, 8, 40, 24}));
    EXPECT_NE(sign.engine.surface().screen().led(14, 0), kLedOff);  // "AB" stays at the top
    EXPECT_NE(sign.engine.surface().screen().led(14, 8), kLedOff);  // "CD" from row 8
    const Effect& again = sign.page();
    EXPECT_EQ(again.area(), (LedRect{0, 0, 40, 8}));
    EXPECT_EQ(std::get<TextItem>(again.lines()[0].items()[0]).fontId(), 2);
    EXPECT_EQ(sign.page().area(), (LedRect{0, 0, 40, 32}));
    EXPECT_EQ(sign.engine.topHeight(), 32);

    Sign bottomFirst(test::model(40, 16), "\033&bAB");
    EXPECT_EQ(bottomFirst.page().area(), (LedRect{0, 8, 40, 8}));
    Sign low(test::model(40, 8), "\033&bAB");
    EXPECT_EQ(low.page().area(), (LedRect{0, 0, 40, 8}));
}

}  // namespace
}  // namespace ztk::sim
