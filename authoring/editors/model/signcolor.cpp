// SPDX-License-Identifier: MIT
#include "model/signcolor.h"

#include "model/text32.h"

namespace ztk::legendo {

Rgb rgbOf(SignColor color) {
    switch (color) {
        case SignColor::Green:
            return msgfile::kRgbGreen;
        case SignColor::Amber:
            return msgfile::kRgbAmber;
        case SignColor::Red:
            break;
    }
    return msgfile::kRgbRed;
}

const char* wordOf(SignColor color) {
    switch (color) {
        case SignColor::Green:
            return "Green";
        case SignColor::Amber:
            return "Amber";
        case SignColor::Red:
            break;
    }
    return "Red";
}

std::optional<SignColor> signColorOf(Rgb rgb) {
    for (SignColor color : kSignColors) {
        if (rgbOf(color) == rgb) return color;
    }
    return std::nullopt;
}

std::optional<SignColor> signColorNamed(std::string_view word) {
    const std::string upper = upperAscii(word);
    for (SignColor color : kSignColors) {
        if (upperAscii(wordOf(color)) == upper) return color;
    }
    return std::nullopt;
}

std::optional<SignColor> signColorEntry(std::string_view text) {
    for (SignColor color : kSignColors) {
        if (text == wordOf(color)) return color;
    }
    return std::nullopt;
}

}  // namespace ztk::legendo
