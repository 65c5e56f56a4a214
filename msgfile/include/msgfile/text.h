// SPDX-License-Identifier: MIT
#pragma once
// Text conversions that belong to the message-file format: the blank convention, the
// packet's one-byte characters, and the reading of `max_len`.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ztk::msgfile {

// `text` with every stored blank (U+0004) turned back into a space.
std::string blanksToSpaces(std::string_view text);

// `text` with every space stored as U+0004.
std::string spacesToBlanks(std::string_view text);

// UTF-8 `text` as Latin-1 bytes, one per character: a character above 255, or a byte that
// is not part of valid UTF-8, becomes "?".
std::string utf8ToLatin1(std::string_view text);

// Appends `ch` to `out` as UTF-8; a value that is no Unicode scalar becomes U+FFFD.
void appendUtf8(std::string& out, char32_t ch);

// A decimal number (surrounding blanks, a sign, a fraction and an exponent allowed) rounded
// to the nearest integer, a half to the even one; nothing when the text is not a number or
// the rounded value lies outside -32768..32767.
std::optional<std::int16_t> toInt16Rounded(std::string_view text);

// The width of a variable field from its `max_len` text: as toInt16Rounded, with a negative
// value counting as 0; nothing when the text is not a 16-bit number.
std::optional<int> maxLenFromText(std::string_view text);

}  // namespace ztk::msgfile
