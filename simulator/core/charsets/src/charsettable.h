// SPDX-License-Identifier: MIT
#pragma once
// The compiled-in character-set resources. The definition is generated at build time from
// the glyph sources (see README.md beside them).

#include <cstddef>
#include <cstdint>
#include <span>

namespace ztk::sim::detail {

struct CharsetResourceEntry {
    int number;                 // 0x100, 0x200 or 0x300 | font id
    const std::uint8_t* bytes;  // the set in its binary layout
    std::size_t size;
};

// Every resource, ordered by number.
std::span<const CharsetResourceEntry> charsetResourceTable();

}  // namespace ztk::sim::detail
