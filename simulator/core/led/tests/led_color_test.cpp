#include <gtest/gtest.h>

#include "simcore/colorstate.h"
#include "simcore/messagestream.h"
#include "simcore/palette.h"

namespace ztk::sim {
namespace {

using Bands = std::array<std::uint8_t, 3>;

TEST(ColorState, RainbowTwoRotatesPerCharacterFromTheSelectionCount) {
    ColorState s(3);
    s.select(kColorRainbow2);  // first selection: rotation starts at 0
    EXPECT_EQ(s.next(0).bands, (Bands{kLedRed, kLedGreen, kLedAmber}));
    EXPECT_EQ(s.next(0).bands, (Bands{kLedGreen, kLedAmber, kLedRed}));
    EXPECT_EQ(s.next(0).bands, (Bands{kLedAmber, kLedRed, kLedGreen}));
    EXPECT_EQ(s.next(0).bands, (Bands{kLedRed, kLedGreen, kLedAmber}));
    s.select(kColorRainbow2);  // second selection: starts one position on
    EXPECT_EQ(s.next(0).bands, (Bands{kLedGreen, kLedAmber, kLedRed}));
    EXPECT_EQ(s.next(0).shadow, kLedRed);
    s.select(kColorRainbow1);
    const GlyphColors r1 = s.next(kAttrFlash);
    EXPECT_EQ(r1.bands, (Bands{kLedRed | kLedFlash, kLedAmber | kLedFlash, kLedGreen | kLedFlash}));
    EXPECT_EQ(r1.shadow, kLedGreen | kLedFlash);
}

TEST(ColorState, ColourMixStepsThroughTheSignsColours) {
    ColorState s(3);
    s.select(kColorMix);
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i)
        seen.push_back(s.next(0).bands[1]);
    EXPECT_EQ(seen, (std::vector<int>{11, 12, 13, 11, 12}));
    // After four selections mix starts at 11 + 4 mod 3 = green.
    s.select(kColorRed);
    s.select(kColorGreen);
    s.select(kColorAmber);
    s.select(kColorMix | kColorAuto);
    EXPECT_EQ(s.current(), kColorMix);
    const GlyphColors first = s.next(0);
    EXPECT_EQ(first.bands, (Bands{kLedGreen, kLedGreen, kLedGreen}));
    EXPECT_EQ(first.shadow, kLedRed);
    // A single-colour sign mixes red only.
    ColorState mono(1);
    mono.select(kColorMix);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(mono.next(0).bands[0], kLedRed);
}

TEST(ColorState, PlainColoursShadowsAndUnknownIds) {
    ColorState s(8);
    const std::pair<std::uint16_t, std::uint8_t> shadows[] = {
        {kColorRed, kLedGreen},       {kColorGreen, kLedRed}, {kColorDimRed, kLedDimGreen},
        {kColorDimGreen, kLedDimRed}, {kColorAmber, kLedRed}, {kColorYellow, kLedRed}};
    for (auto [id, shadow] : shadows) {
        s.select(id);
        const GlyphColors g = s.next(0);
        EXPECT_EQ(g.bands[0], id);
        EXPECT_EQ(g.shadow, shadow) << id;
    }
    s.select(7);  // not a colour: red
    EXPECT_EQ(s.next(kAttrFlash).bands[2], kLedRed | kLedFlash);
}

TEST(ColorState, SingleColourSignShowsRainbowsRed) {
    ColorState s(1);
    const ColorTable table = colorTableA(1);
    for (std::uint16_t id : {kColorRainbow1, kColorRainbow2, kColorAmber}) {
        s.select(id);
        for (std::uint8_t band : s.next(0).bands)
            EXPECT_EQ(table[band], table[kLedRed]) << id;
    }
}

}  // namespace
}  // namespace ztk::sim
