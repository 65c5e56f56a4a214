// SPDX-License-Identifier: MIT
#pragma once
// The LEDs of the screen as text, one line per LED row and one character per LED, as the sign
// of `colors` colours shows them: "." off, "R" red, "G" green, "A" amber, "r" dim red,
// "g" dim green, "b" brown, "o" orange, "y" yellow; "1" to "8" the same colours while
// flashing; "?" anything else (an LED never painted).

#include <string>

#include "simcore/screenbitmap.h"

namespace ztk::sim {

// The character of palette index `index` on a sign of `colors` colours.
char ledDumpChar(int index, int colors);
// Every LED of `screen`, each row ended by a line feed.
std::string ledDump(const ScreenBitmap& screen, int colors);

}  // namespace ztk::sim
