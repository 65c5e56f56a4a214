// SPDX-License-Identifier: MIT
#pragma once
// What the display engine takes from a display model: size, colours and the few mask bits
// that change how pages are laid out and shown.

#include "simcore/displaymodel.h"

namespace ztk::sim {

struct SignTraits {
    int columns = 120;
    int rows = 24;
    int colors = 3;
    // Text is fixed width unless the sign supports switching it (FeatureMask 0x0100 clear).
    bool defaultFixedWidth = false;
    // A line that overflows without a word break makes its page rotate (FeatureMask 0x0800).
    bool overflowRotates = false;
    // The flash phase keeps running outside the page area (FeatureMask 0x2000).
    bool flashOutside = false;
    // Every line is 7 + 1 rows (8 + 1 on 8-row signs) and nothing is centred vertically
    // (FontMask below 0x10).
    bool fixedLineHeight = false;

    static SignTraits of(const DisplayModel& model);

    // Rows a line of the fixed line height draws in (7, or 8 on 8-row signs).
    int fixedTextRows() const { return rows == 8 ? 8 : 7; }
    // Signs this tall or taller split into top and bottom areas.
    bool splitsAreas() const { return rows >= 16; }
};

}  // namespace ztk::sim
