// SPDX-License-Identifier: MIT
#include "simcore/effects/rolleffects.h"

namespace ztk::sim {

std::vector<Band> RollUpEffect::bands() const {
    return {{area(), ShiftDirection::Up}};
}

std::vector<Band> RollDownEffect::bands() const {
    return {{area(), ShiftDirection::Down}};
}

std::vector<Band> RollLeftEffect::bands() const {
    return {{area(), ShiftDirection::Left}};
}

std::vector<Band> RollRightEffect::bands() const {
    return {{area(), ShiftDirection::Right}};
}

// A half rolling right brings its page columns in from its right end, which is the middle.
std::vector<Band> RollInEffect::bands() const {
    return {{leftHalf(), ShiftDirection::Right}, {rightHalf(), ShiftDirection::Left}};
}

std::vector<Band> RollOutEffect::bands() const {
    return {{leftHalf(), ShiftDirection::Left}, {rightHalf(), ShiftDirection::Right}};
}

}  // namespace ztk::sim
