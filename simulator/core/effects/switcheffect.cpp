// SPDX-License-Identifier: MIT
#include "simcore/effects/switcheffect.h"

#include <algorithm>

namespace ztk::sim {

std::vector<Band> SwitchEffect::bands() const {
    const LedRect& a = area();
    std::vector<Band> out;
    bool down = true;
    for (int x = a.x; x < a.right(); down = !down) {
        const int left = a.right() - x;
        const int columns = left >= 16 ? 16 : std::min(8, left);
        out.push_back(
            {{x, a.y, columns, a.height}, down ? ShiftDirection::Down : ShiftDirection::Up});
        x += columns;
    }
    return out;
}

}  // namespace ztk::sim
