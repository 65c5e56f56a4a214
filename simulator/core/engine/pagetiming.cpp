// SPDX-License-Identifier: MIT
#include "simcore/pagetiming.h"

namespace ztk::sim {

int pageDuration(int speed, int weight) {
    switch (speed) {
        case 1:
            return weight * 40 + 1;
        case 2:
            return weight * 20 + 1;
        case 3:
            return weight * 10 + 1;
        case 4:
            return weight / 2 * 10 + 1;
        case 5:
            return weight / 4 * 10 + 1;
        case 6:
            return 1;
        default:
            return speed < 0 ? 0 : speed;
    }
}

}  // namespace ztk::sim
