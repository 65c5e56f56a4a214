// SPDX-License-Identifier: MIT
#pragma once
// The enumerations published for hosts: display modes and the attribute values that the
// display methods accept (as their decimal text, or the matching word).

namespace ztk {

enum ztkStateEnum { ztkStateTemplate = 0, ztkStateTextString = 1, ztkStateAlarm = 2 };

enum ztkFlashEnum { ztkFlashOff = 0, ztkFlashOn = 1 };

enum ztkColorsEnum {
    ztkColorAutoColor = 0,
    ztkColorRed,
    ztkColorGreen,
    ztkColorAmber,
    ztkColorDimRed,
    ztkColorDimGreen,
    ztkColorBrown,
    ztkColorOrange,
    ztkColorYellow,
    ztkColorRainbow1,
    ztkColorRainbow2,
    ztkColorMix,
};

enum ztkFontEnum { ztkFontS5 = 0, ztkFontS7, ztkFontF7, ztkFontS10, ztkFontFFull, ztkFontSFull };

enum ztkSpeedEnum { ztkSpeed1 = 1, ztkSpeed2, ztkSpeed3, ztkSpeed4, ztkSpeed5 };

enum ztkPositionEnum {
    ztkPositionFill = 0,
    ztkPositionTop,
    ztkPositionMiddle,
    ztkPositionBottom,
};

enum ztkModeEnum {
    ztkModeAutoMode = 0,
    ztkModeRotate,
    ztkModeHold,
    ztkModeFlash,
    ztkModeRollUp,
    ztkModeRollDown,
    ztkModeRollLeft,
    ztkModeRollRight,
    ztkModeWipeUp,
    ztkModeWipeDown,
    ztkModeWipeLeft,
    ztkModeWipeRight,
    ztkModeScroll,
    ztkModeRollIn,
    ztkModeRollOut,
    ztkModeWipeIn,
    ztkModeWipeOut,
    ztkModeCompressedRotate,
};

enum ztkSpecialEnum {
    ztkSpecialTwinkle = 0,
    ztkSpecialSparkle,
    ztkSpecialSnow,
    ztkSpecialInterlock,
    ztkSpecialSwitch,
    ztkSpecialSlide,
    ztkSpecialSpray,
    ztkSpecialStarburst,
};

}  // namespace ztk
