// SPDX-License-Identifier: MIT
#include "msgfile/colors.h"

namespace ztk::msgfile {

std::string colorWord(Rgb color) {
    if (color == kRgbAmber) return "Amber";
    if (color == kRgbGreen) return "Green";
    return "Red";
}

}  // namespace ztk::msgfile
