// SPDX-License-Identifier: MIT
#pragma once
// The three sign colours that the editors' colour boxes offer, with their screen values.

#include <array>
#include <optional>
#include <string_view>

#include "msgfile/colors.h"

namespace ztk::legendo {

using msgfile::Rgb;

// The entries of a colour box, in the box's order.
enum class SignColor { Red, Green, Amber };
inline constexpr std::array<SignColor, 3> kSignColors = {SignColor::Red, SignColor::Green,
                                                         SignColor::Amber};

// A cell or character that was given no colour of its own.
inline constexpr Rgb kNoColor = 0;

Rgb rgbOf(SignColor color);
// "Red", "Green" or "Amber": the entry's text.
const char* wordOf(SignColor color);
// The entry showing exactly this screen colour, if any.
std::optional<SignColor> signColorOf(Rgb rgb);
// The entry named by a stored colour word in any letter case, if any.
std::optional<SignColor> signColorNamed(std::string_view word);
// The entry whose text is exactly `text` (as a box reports its choice), if any.
std::optional<SignColor> signColorEntry(std::string_view text);

}  // namespace ztk::legendo
