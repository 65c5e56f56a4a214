// SPDX-License-Identifier: MIT
#include "simcore/signtraits.h"

#include <algorithm>

namespace ztk::sim {

SignTraits SignTraits::of(const DisplayModel& model) {
    SignTraits t;
    t.columns = std::max(model.columns, 1);
    t.rows = std::max(model.rows, 1);
    t.colors = std::clamp(model.colors, 1, kMaxColors);
    t.defaultFixedWidth = (model.featureMask & kFeatFixedWidth) == 0;
    t.overflowRotates = (model.featureMask & kFeatOverflowRotates) != 0;
    t.flashOutside = (model.featureMask & kFeatFlashOutside) != 0;
    t.fixedLineHeight = model.fontMask < 0x10;
    return t;
}

}  // namespace ztk::sim
