// SPDX-License-Identifier: MIT
#include "simcore/palette.h"

#include <algorithm>

namespace ztk::sim {

namespace {

std::array<Rgb, 256> makePalette() {
    std::array<Rgb, 256> p{};
    // The twenty standard system colours, in their usual places.
    const Rgb low[10] = {{0, 0, 0},       {128, 0, 0},    {0, 128, 0},   {128, 128, 0},
                         {0, 0, 128},     {128, 0, 128},  {0, 128, 128}, {192, 192, 192},
                         {192, 220, 192}, {166, 202, 240}};
    const Rgb high[10] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},
                          {0, 255, 0},     {255, 255, 0},   {0, 0, 255},     {255, 0, 255},
                          {0, 255, 255},   {255, 255, 255}};
    std::copy(std::begin(low), std::end(low), p.begin());
    std::copy(std::begin(high), std::end(high), p.begin() + 246);
    const Rgb leds[9] = {{64, 64, 64}, {255, 0, 0},   {0, 255, 0},   {255, 195, 0}, {223, 0, 0},
                         {0, 223, 0},  {245, 160, 0}, {240, 115, 0}, {255, 255, 0}};
    for (int i = 0; i < 9; ++i) {
        p[kLedOff + i] = leds[i];
        p[kLedOff + kLedFlash + i] = leds[i];
    }
    return p;
}

}  // namespace

const std::array<Rgb, 256>& palette() {
    static const std::array<Rgb, 256> p = makePalette();
    return p;
}

int reduceLedColor(int index, int colors) {
    // A sign has at least one colour and the palette at most eight; outside that range the
    // reduction below would turn LEDs into system colours.
    const int n = std::clamp(colors, 1, 8);
    int b = index & 0x7F;
    if (b <= kLedYellow && b > n + kLedOff) {
        b -= n;
        if (b > n + kLedOff) b = n + kLedOff;
    }
    return b;
}

ColorTable colorTableA(int colors) {
    const auto& p = palette();
    ColorTable t{};
    for (int i = 0; i < 256; ++i)
        t[i] = toArgb(p[reduceLedColor(i, colors) | (i & kLedFlash)]);
    return t;
}

ColorTable colorTableB(int colors) {
    ColorTable t = colorTableA(colors);
    const std::uint32_t off = toArgb(palette()[kLedOff]);
    for (int i = 129; i <= 245; ++i)
        t[i] = off;
    return t;
}

}  // namespace ztk::sim
