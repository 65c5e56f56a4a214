// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "simcore/colorstate.h"
#include "simcore/messagestream.h"
#include "simcore/palette.h"

namespace ztk::sim {
namespace {

using Bands = std::array<std::uint8_t, 3>;
constexpr std::uint8_t R = kLedRed, G = kLedGreen, A = kLedAmber;

TEST(ColorState, RainbowsRotateFromTheSelectionCount) {
    ColorState s(3);
    s.select(kColorRainbow2);  // the first selection starts unrotated
    for (Bands b : {Bands{R, G, A}, Bands{G, A, R}, Bands{A, R, G}, Bands{R, G, A}})
        EXPECT_EQ(s.next(0).bands, b);
    s.select(kColorRainbow2);  // the second starts one position on
    EXPECT_EQ(s.next(0).bands, (Bands{G, A, R}));
    EXPECT_EQ(s.next(0).shadow, R);
    s.select(kColorRainbow1);
    const GlyphColors r1 = s.next(kAttrFlash);
    EXPECT_EQ(r1.bands, (Bands{R | kLedFlash, A | kLedFlash, G | kLedFlash}));
    EXPECT_EQ(r1.shadow, G | kLedFlash);
}

TEST(ColorState, ColourMixStepsThroughTheSignsColours) {
    ColorState s(3);
    s.select(kColorMix);
    for (int c : {11, 12, 13, 11})
        EXPECT_EQ(s.next(0).bands[1], c);
    for (std::uint16_t id : {kColorRed, kColorGreen, kColorAmber})
        s.select(id);
    s.select(kColorMix | kColorAuto);  // four selections before it: starts at 11 + 4 % 3
    EXPECT_EQ(s.next(0), (GlyphColors{{G, G, G}, R}));
    EXPECT_EQ(s.next(0).bands[0], A);
}

TEST(ColorState, ShadowsAndUnknownIds) {
    ColorState s(8);
    // Shadows take the contrasting colour: red <-> green, dim red <-> dim green, else red.
    const std::uint8_t shadows[8] = {G, R, R, kLedDimGreen, kLedDimRed, R, R, R};
    for (int id = kColorRed; id <= kColorYellow; ++id) {
        s.select(static_cast<std::uint16_t>(id));
        EXPECT_EQ(s.next(0).shadow, shadows[id - kColorRed]) << id;
    }
    s.select(7);  // not a colour: red
    EXPECT_EQ(s.next(0).bands[2], R);
    // On a single-colour sign every colour, rainbows included, shows red.
    const ColorTable table = colorTableA(1);
    for (std::uint16_t id : {kColorRainbow1, kColorRainbow2, kColorYellow}) {
        s.select(id);
        for (std::uint8_t band : s.next(0).bands)
            EXPECT_EQ(table[band], table[R]) << id;
    }
}

}  // namespace
}  // namespace ztk::sim
