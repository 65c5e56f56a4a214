// SPDX-License-Identifier: MIT
#include "simcore/steppacer.h"

namespace ztk::sim {

void StepPacer::stepped(Clock::time_point now) {
    deadline_ += period_;
    const Clock::time_point earliest = now - period_ * maxCatchUp_;
    if (deadline_ < earliest) deadline_ = earliest;
}

}  // namespace ztk::sim
