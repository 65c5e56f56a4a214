// SPDX-License-Identifier: MIT
#include "simcore/leddump.h"

#include "simcore/palette.h"

namespace ztk::sim {

char ledDumpChar(int index, int colors) {
    static constexpr char kLitNames[] = {'R', 'G', 'A', 'r', 'g', 'b', 'o', 'y'};
    const bool flashing = (index & kLedFlash) != 0;
    const int led = reduceLedColor(index & 0x7F, colors);
    if (led == kLedOff) return '.';
    if (led < kLedRed || led > kLedYellow) return '?';
    const int k = led - kLedRed;
    return flashing ? static_cast<char>('1' + k) : kLitNames[k];
}

std::string ledDump(const ScreenBitmap& screen, int colors) {
    std::string out;
    out.reserve(static_cast<std::size_t>(screen.columns() + 1) * screen.rows());
    for (int y = 0; y < screen.rows(); ++y) {
        for (int x = 0; x < screen.columns(); ++x)
            out += ledDumpChar(screen.led(x, y), colors);
        out += '\n';
    }
    return out;
}

}  // namespace ztk::sim
