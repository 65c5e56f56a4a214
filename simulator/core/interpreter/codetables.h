// SPDX-License-Identifier: MIT
#pragma once
// What the sign makes of the argument bytes of the mode, font and colour codes, given the
// features of its display model.

#include <cstdint>
#include <optional>

#include "simcore/displaymodel.h"

namespace ztk::sim {

// Position (kPosFill .. kPosBottom) of a position byte.
std::uint16_t positionOf(std::uint8_t positionByte);

struct ModeChoice {
    std::uint16_t code = 1;  // mode code, or 0 with `automode`
    bool automode = false;
    bool forceFill = false;  // animations always fill the display
};

// The mode of mode byte `mode` (and `special` after "n"); modes the sign does not support
// by `modeMask` fall back to hold.
ModeChoice modeOf(std::uint8_t mode, std::uint8_t special, std::uint32_t modeMask);

struct FontChoice {
    std::uint8_t fontChar = '3';  // the character actually used after fallbacks
    std::uint16_t fontId = 2;
};

// The character set that font byte `font` selects at `position`: unsupported sets fall
// back to the nearest supported one, then the choice depends on the sign's height. Nothing
// for a byte that names no set.
std::optional<FontChoice> selectFont(std::uint8_t font, std::uint16_t position,
                                     const DisplayModel& model);

// The colour id of colour byte `colour` reduced to the sign's colours, or nothing.
std::optional<std::uint16_t> colourOf(std::uint8_t colour, int colors);

}  // namespace ztk::sim
