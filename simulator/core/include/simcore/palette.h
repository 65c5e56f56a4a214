// SPDX-License-Identifier: MIT
#pragma once
// The sign's 256-entry palette and the two colour tables of the screen bitmap.
//
// LED entries: 10 off, 11 red, 12 green, 13 amber, 14 dim red, 15 dim green, 16 brown,
// 17 orange, 18 yellow, and the same LEDs while flashing at index + 128 (138-146). Entry 0 is
// the black between the dots; 0-9 and 246-255 hold the twenty standard system colours; all
// other entries are black.

#include <array>
#include <cstdint>

namespace ztk::sim {

// Palette indices of the LEDs.
inline constexpr std::uint8_t kLedBlack = 0;
inline constexpr std::uint8_t kLedOff = 10;
inline constexpr std::uint8_t kLedRed = 11;
inline constexpr std::uint8_t kLedGreen = 12;
inline constexpr std::uint8_t kLedAmber = 13;
inline constexpr std::uint8_t kLedDimRed = 14;
inline constexpr std::uint8_t kLedDimGreen = 15;
inline constexpr std::uint8_t kLedBrown = 16;
inline constexpr std::uint8_t kLedOrange = 17;
inline constexpr std::uint8_t kLedYellow = 18;
// Added to an LED index while the LED flashes.
inline constexpr std::uint8_t kLedFlash = 0x80;

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour table as the screen image uses it: 0xFFRRGGBB per index (the layout of QRgb).
using ColorTable = std::array<std::uint32_t, 256>;

constexpr std::uint32_t toArgb(Rgb c) {
    return 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

// The 256 palette entries.
const std::array<Rgb, 256>& palette();

// The LED number `index & 0x7F` reduced to what a sign of `colors` colours can show:
// single-colour signs show every LED colour as red, three-colour signs show dim red as red,
// dim green as green and brown, orange and yellow as amber. Indices that are not LED colours
// are returned unchanged. `colors` is taken as at least 1 and at most 8.
int reduceLedColor(int index, int colors);

// Table A: every index i shows the palette colour of reduceLedColor(i) | (i & 0x80), so
// flashing LEDs are lit.
ColorTable colorTableA(int colors);
// Table B: table A with entries 129-245 set to the LED-off colour, so flashing LEDs are dark.
ColorTable colorTableB(int colors);

}  // namespace ztk::sim
