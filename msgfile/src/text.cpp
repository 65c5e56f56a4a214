// SPDX-License-Identifier: MIT
#include "msgfile/text.h"

#include "msgfile/names.h"

#include <charconv>
#include <cmath>
#include <string>

namespace ztk::msgfile {
namespace {

// Decodes one UTF-8 sequence at the start of `text`. Returns the scalar value and the
// bytes it used; an invalid or overlong sequence, a surrogate or a truncated sequence
// gives nothing for one byte.
struct Decoded {
    std::optional<char32_t> ch;
    std::size_t length = 1;
};

Decoded decodeUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return {};
    }
    if (text.size() < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) return {};
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {};
    return {value, length};
}

bool isBlankByte(char c) {
    return c == ' ' || c == '\t';
}

// Accepts [blanks][sign](digits[.digits] | .digits)[(e|E)[sign]digits][blanks] and returns
// the number part without its "+" sign and blanks; nothing when the text has another form.
std::optional<std::string> numberPart(std::string_view text) {
    while (!text.empty() && isBlankByte(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankByte(text.back()))
        text.remove_suffix(1);
    std::string number;
    std::size_t i = 0;
    auto digits = [&]() {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            number += text[i++];
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number += '-';
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        mantissa += digits();
    }
    if (mantissa == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        number += text[i++];
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
        if (digits() == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return number;
}

// Rounds to the nearest integer, a half to the even one.
double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) return below;
    if (fraction > 0.5) return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace

std::string blanksToSpaces(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == kBlank) c = ' ';
    }
    return out;
}

std::string spacesToBlanks(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == ' ') c = kBlank;
    }
    return out;
}

std::string utf8ToLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const Decoded decoded = decodeUtf8(text);
        out += decoded.ch && *decoded.ch <= 0xFF ? static_cast<char>(*decoded.ch) : '?';
        text.remove_prefix(decoded.length);
    }
    return out;
}

void appendUtf8(std::string& out, char32_t ch) {
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) ch = 0xFFFD;
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

std::optional<std::int16_t> toInt16Rounded(std::string_view text) {
    const std::optional<std::string> number = numberPart(text);
    if (!number) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(number->data(), number->data() + number->size(), value);
    if (ec != std::errc() || end != number->data() + number->size()) return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<int> maxLenFromText(std::string_view text) {
    const std::optional<std::int16_t> value = toInt16Rounded(text);
    if (!value) return std::nullopt;
    return *value < 0 ? 0 : *value;
}

}  // namespace ztk::msgfile
