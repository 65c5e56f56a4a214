// SPDX-License-Identifier: MIT
#pragma once
// How the bytes of one packet are escaped for transport. The packet's first byte chooses the
// mode for the whole packet.

#include <cstdint>

namespace ztk::sim {

enum class EscapeMode : std::uint8_t {
    Raw,      // every byte stands for itself
    Bracket,  // "]" c stands for c - 32, and "_" hh for the byte hh
    Hex,      // only "_" hh is decoded; "]" is a plain character
};

// The escape mode of a packet whose first byte is `first`.
constexpr EscapeMode escapeModeOf(std::uint8_t first) {
    if (first == ']') return EscapeMode::Bracket;
    if (first == '_') return EscapeMode::Hex;
    return EscapeMode::Raw;
}

}  // namespace ztk::sim
