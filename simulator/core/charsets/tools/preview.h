// SPDX-License-Identifier: MIT
#pragma once
// Draws glyphs of a character set as rows of text, for reviewing glyphs and in tests.

#include <string>
#include <string_view>
#include <vector>

#include "simcore/charset.h"

namespace ztk::sim {

// Glyphs `indices` of `set` side by side, each followed by the set's spacing; one string
// per glyph row, `on` for a lit LED and `off` for a dark one. Unknown indices draw nothing.
std::vector<std::string> previewGlyphs(const CharSet& set, const std::vector<int>& indices,
                                       char on = '#', char off = '.');

// `latin1` in a main set: character c is glyph c - 32, anything outside the set shows "?".
std::vector<std::string> previewText(const CharSet& set, std::string_view latin1, char on = '#',
                                     char off = '.');

}  // namespace ztk::sim
