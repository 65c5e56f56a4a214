// SPDX-License-Identifier: MIT
#include "simcore/colorstate.h"

#include <algorithm>

#include "simcore/messagestream.h"
#include "simcore/palette.h"

namespace ztk::sim {

ColorState::ColorState(int colors) : colors_(std::clamp(colors, 1, 8)) {}

void ColorState::select(std::uint16_t colorId) {
    colorId &= static_cast<std::uint16_t>(~kColorAuto);
    const bool known = colorId == kColorMix || colorId == kColorRainbow1 ||
                       colorId == kColorRainbow2 ||
                       (colorId >= kColorRed && colorId <= kColorYellow);
    current_ = known ? colorId : kColorRed;
    mix_ = selections_ % colors_;
    rotation_ = selections_ % 3;
    ++selections_;
}

GlyphColors ColorState::next(std::uint16_t attrs) {
    GlyphColors g;
    switch (current_) {
        case kColorMix: {
            const auto c = static_cast<std::uint8_t>(kLedRed + mix_);
            mix_ = (mix_ + 1) % colors_;
            g.bands = {c, c, c};
            g.shadow = shadowColorOf(c);
            break;
        }
        case kColorRainbow1:
            g.bands = {kLedRed, kLedAmber, kLedGreen};
            g.shadow = kLedGreen;
            break;
        case kColorRainbow2: {
            static constexpr std::uint8_t kSequence[3] = {kLedRed, kLedGreen, kLedAmber};
            for (int i = 0; i < 3; ++i)
                g.bands[i] = kSequence[(i + rotation_) % 3];
            rotation_ = (rotation_ + 1) % 3;
            g.shadow = kLedRed;
            break;
        }
        default: {
            const auto c = static_cast<std::uint8_t>(current_);
            g.bands = {c, c, c};
            g.shadow = shadowColorOf(c);
        }
    }
    if (attrs & kAttrFlash) {
        for (auto& b : g.bands)
            b |= kLedFlash;
        g.shadow |= kLedFlash;
    }
    return g;
}

std::uint8_t shadowColorOf(std::uint8_t plainColor) {
    switch (plainColor) {
        case kLedRed:
            return kLedGreen;
        case kLedGreen:
            return kLedRed;
        case kLedDimRed:
            return kLedDimGreen;
        case kLedDimGreen:
            return kLedDimRed;
        default:
            return kLedRed;
    }
}

}  // namespace ztk::sim
