// SPDX-License-Identifier: MIT
#include "simcore/effects/interlockeffect.h"

#include <algorithm>

namespace ztk::sim {

std::vector<Band> InterlockEffect::bands() const {
    const LedRect& a = area();
    const bool rowBands = a.height <= 8 && sign().fixedLineHeight;
    std::vector<Band> out;
    bool left = true;
    for (int y = a.y; y < a.bottom(); left = !left) {
        const int rows = std::min(rowBands ? 1 : left ? 3 : 5, a.bottom() - y);
        out.push_back(
            {{a.x, y, a.width, rows}, left ? ShiftDirection::Left : ShiftDirection::Right});
        y += rows;
    }
    return out;
}

}  // namespace ztk::sim
