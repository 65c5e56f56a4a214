// SPDX-License-Identifier: MIT
#include "model/text32.h"

#include "msgfile/text.h"

namespace ztk::legendo {
namespace {

// Decodes the sequence at `text[i]`, advancing `i`; U+FFFD for a broken sequence.
char32_t decodeAt(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return U'\uFFFD';
    }
    if (i + length > text.size()) {
        ++i;
        return U'\uFFFD';
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[i + k]);
        if ((byte & 0xC0) != 0x80) {
            ++i;
            return U'\uFFFD';
        }
        value = (value << 6) | (byte & 0x3F);
    }
    i += length;
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return U'\uFFFD';
    }
    return value;
}

char32_t foldCase(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    // Latin-1 small letters à..þ except the division sign.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    return c;
}

}  // namespace

std::u32string toU32(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size())
        out += decodeAt(utf8, i);
    return out;
}

std::string toUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        msgfile::appendUtf8(out, c);
    return out;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    const std::u32string x = toU32(a);
    const std::u32string y = toU32(b);
    if (x.size() != y.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (foldCase(x[i]) != foldCase(y[i])) return false;
    }
    return true;
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    return out;
}

}  // namespace ztk::legendo
