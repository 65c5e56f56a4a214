#pragma once
// The Effect class of each display mode code.

#include <memory>

#include "simcore/effect.h"

namespace ztk::sim {

// A new Effect for mode code `modeCode` (1-25). Code 0 and every code outside 1-25 give a
// HoldEffect, as does every mode that has no class of its own yet. Never null.
std::unique_ptr<Effect> makeEffect(int modeCode);

}  // namespace ztk::sim
