// SPDX-License-Identifier: MIT
#pragma once
// The editors keep characters as code points (one per cell, one per character of a message)
// and their names and files as UTF-8.

#include <string>
#include <string_view>

namespace ztk::legendo {

// UTF-8 text as code points; a byte that is not part of valid UTF-8 becomes U+FFFD.
std::u32string toU32(std::string_view utf8);

// Code points as UTF-8.
std::string toUtf8(std::u32string_view text);

// Whether two names are equal when letter case is ignored (ASCII and Latin-1 letters).
bool equalIgnoringCase(std::string_view a, std::string_view b);

// `text` in upper case (ASCII letters), for comparing attribute words.
std::string upperAscii(std::string_view text);

}  // namespace ztk::legendo
