// SPDX-License-Identifier: MIT
#pragma once
// Screen colours of the editors and the colour words that message files store.

#include <cstdint>
#include <string>

namespace ztk::msgfile {

// A screen colour: red in the low byte, then green, then blue (red + green*256 + blue*65536).
using Rgb = std::uint32_t;

inline constexpr Rgb kRgbRed = 0x0000FF;
inline constexpr Rgb kRgbGreen = 0x00FF00;
inline constexpr Rgb kRgbAmber = 0x0080FF;
// Background of the cells that form a variable field in the template editors.
inline constexpr Rgb kRgbVariableBack = 0xC0C0C0;
// Text that was loaded without a colour.
inline constexpr Rgb kRgbWhite = 0xFFFFFF;

// The colour word stored for a screen colour: "Amber", "Green", or "Red" for any other.
std::string colorWord(Rgb color);

}  // namespace ztk::msgfile
