// SPDX-License-Identifier: MIT
#include "terminalimage.h"

#include <cstdint>

namespace ztk::render {

namespace {

// "\x1b[38;2;R;G;Bm" (foreground) or 48 (background) for colour 0xAARRGGBB.
void appendColor(std::string& out, int layer, std::uint32_t argb) {
    out += "\x1b[";
    out += std::to_string(layer);
    out += ";2;";
    out += std::to_string((argb >> 16) & 0xFF);
    out += ';';
    out += std::to_string((argb >> 8) & 0xFF);
    out += ';';
    out += std::to_string(argb & 0xFF);
    out += 'm';
}

}  // namespace

std::string ansiImage(const sim::ScreenBitmap& screen) {
    const sim::ColorTable& table = screen.colorTable();
    std::string out;
    for (int y = 0; y < screen.rows(); y += 2) {
        for (int x = 0; x < screen.columns(); ++x) {
            appendColor(out, 38, table[screen.led(x, y)]);
            // An odd last row has the terminal's black below it.
            appendColor(out, 48, y + 1 < screen.rows() ? table[screen.led(x, y + 1)] : 0);
            out += "\u2580";
        }
        out += "\x1b[0m\n";
    }
    return out;
}

}  // namespace ztk::render
