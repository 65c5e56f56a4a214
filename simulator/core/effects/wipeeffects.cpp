// SPDX-License-Identifier: MIT
#include "simcore/effects/wipeeffects.h"

namespace ztk::sim {

std::vector<Band> WipeUpEffect::bands() const {
    return {{area(), ShiftDirection::Up}};
}

std::vector<Band> WipeDownEffect::bands() const {
    return {{area(), ShiftDirection::Down}};
}

std::vector<Band> WipeLeftEffect::bands() const {
    return {{area(), ShiftDirection::Left}};
}

std::vector<Band> WipeRightEffect::bands() const {
    return {{area(), ShiftDirection::Right}};
}

std::vector<Band> WipeInEffect::bands() const {
    return {{leftHalf(), ShiftDirection::Right}, {rightHalf(), ShiftDirection::Left}};
}

std::vector<Band> WipeOutEffect::bands() const {
    return {{leftHalf(), ShiftDirection::Left}, {rightHalf(), ShiftDirection::Right}};
}

}  // namespace ztk::sim
