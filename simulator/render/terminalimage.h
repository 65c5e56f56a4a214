// SPDX-License-Identifier: MIT
#pragma once
// The LEDs of the screen for a terminal: two LED rows per text line drawn with the upper half
// block, the upper LED's colour as foreground and the lower one's as background, in 24-bit
// colour.

#include <string>

#include "simcore/screenbitmap.h"

namespace ztk::render {

// Every LED of `screen` in the colours it shows now (flash phase included).
std::string ansiImage(const sim::ScreenBitmap& screen);

}  // namespace ztk::render
