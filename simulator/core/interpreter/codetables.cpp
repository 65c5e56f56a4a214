// SPDX-License-Identifier: MIT
#include "codetables.h"

#include "simcore/messagestream.h"

namespace ztk::sim {

std::uint16_t positionOf(std::uint8_t positionByte) {
    switch (positionByte) {
        case 0x20:
            return kPosMiddle;
        case 0x22:
            return kPosTop;
        case 0x26:
            return kPosBottom;
        default:
            return kPosFill;
    }
}

namespace {

struct Mode {
    std::uint16_t code;
    std::uint32_t modeBit;  // 0: always supported
};

std::optional<Mode> specialMode(std::uint8_t special) {
    if (special == '0') return Mode{kModeTwinkle, 0x0040};
    if (special == '1') return Mode{kModeSparkle, 0x0080};
    if (special >= '2' && special <= '7') {
        const int k = special - '2';
        return Mode{static_cast<std::uint16_t>(kModeSnow + k), 0x0100u << k};
    }
    if (special == 'C') return Mode{kModeCycleColors, 0x4000};
    if (special == '8' || special == '9' || special == 'S' || (special >= 'U' && special <= 'Z')) {
        return std::nullopt;  // an animation
    }
    return Mode{kModeHold, 0};
}

}  // namespace

ModeChoice modeOf(std::uint8_t mode, std::uint8_t special, std::uint32_t modeMask) {
    Mode m{kModeHold, 0};
    switch (mode) {
        case 'a':
        case 't':
            m = {kModeRotate, 0x0002};
            break;
        case 'c':
            m = {kModeFlash, 0x0004};
            break;
        case 'e':
        case 'f':
        case 'g':
        case 'h':
            m = {static_cast<std::uint16_t>(kModeRollUp + (mode - 'e')), 0x0008};
            break;
        case 'p':
        case 'q':
            m = {static_cast<std::uint16_t>(kModeRollIn + (mode - 'p')), 0x0008};
            break;
        case 'i':
        case 'j':
        case 'k':
        case 'l':
            m = {static_cast<std::uint16_t>(kModeWipeUp + (mode - 'i')), 0x0010};
            break;
        case 'r':
        case 's':
            m = {static_cast<std::uint16_t>(kModeWipeIn + (mode - 'r')), 0x0010};
            break;
        case 'm':
            m = {kModeScroll, 0x0020};
            break;
        case 'o':
            return {0, true, false};
        case 'n':
            if (auto s = specialMode(special)) {
                m = *s;
            } else {
                return {0, true, true};
            }
            break;
        default:
            break;
    }
    if (m.modeBit != 0 && !(modeMask & m.modeBit)) m.code = kModeHold;
    return {m.code, false, false};
}

std::optional<FontChoice> selectFont(std::uint8_t font, std::uint16_t position,
                                     const DisplayModel& model) {
    const std::uint32_t fonts = model.fontMask;
    const bool fullHeightAllowed =
        position != kPosFill || (model.featureMask & kFeatFullHeightInFill);
    const std::uint8_t fiveOrThree = (fonts & 0x04) ? '5' : '3';
    switch (font) {
        case '4':
            if (!(fonts & 0x08)) font = '3';
            break;
        case '5':
            if (!(fonts & 0x04)) font = '3';
            break;
        case '6':
        case '7':
        case 'Y':
            if (!(fonts & 0x10)) font = fiveOrThree;
            break;
        case '8':
            if (!((fonts & 0x40) && fullHeightAllowed)) font = fiveOrThree;
            break;
        case '9':
        case 'A':
        case 'Z':
            if (!((fonts & 0x20) && fullHeightAllowed)) font = '3';
            break;
        default:
            break;
    }

    const bool eightRows = model.rows == 8;
    const bool upTo16Rows = model.rows <= 16;
    std::uint16_t id = 0;
    switch (font) {
        case '1':
        case '2':
        case 'W':
            id = 1;
            break;
        case '3':
        case 'X':
            id = eightRows ? 5 : 2;
            break;
        case '4':
            id = eightRows ? 7 : 4;
            break;
        case '5':
            id = eightRows ? 6 : 3;
            break;
        case '6':
        case '7':
        case 'Y':
            id = 8;
            break;
        case '8':
            id = upTo16Rows ? 12 : 10;
            break;
        case '9':
        case 'A':
        case 'Z':
            id = upTo16Rows ? 11 : 9;
            break;
        default:
            return std::nullopt;
    }
    return FontChoice{font, id};
}

std::optional<std::uint16_t> colourOf(std::uint8_t colour, int colors) {
    if (colors == 1) {
        colour = '1';
    } else if (colors == 3) {
        if (colour == '4')
            colour = '1';
        else if (colour == '5')
            colour = '2';
        else if (colour >= '6' && colour <= '8')
            colour = '3';
    }
    if (colour >= '1' && colour <= '8')
        return static_cast<std::uint16_t>(kColorRed + (colour - '1'));
    switch (colour) {
        case '9':
            return kColorRainbow1;
        case 'A':
            return kColorRainbow2;
        case 'B':
            return kColorMix;
        case 'C':
            return kColorAuto;
        default:
            return std::nullopt;
    }
}

}  // namespace ztk::sim
