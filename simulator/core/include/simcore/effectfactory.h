// SPDX-License-Identifier: MIT
#pragma once
// The Effect class of each display mode code.

#include <memory>

#include "simcore/effect.h"

namespace ztk::sim {

// A new Effect for mode code `modeCode` (1-25), each mode its own class. Code 0 and every
// code outside 1-25 give a HoldEffect. Never null. Defined by the effects library.
std::unique_ptr<Effect> makeEffect(int modeCode);

}  // namespace ztk::sim
