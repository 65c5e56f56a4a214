#pragma once
// Packet bytes from the command line: files and hexadecimal arguments, and the hand-over kind
// each packet travels as.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "renderoptions.h"

namespace ztk::render {

// Largest packet file read.
inline constexpr std::size_t kMaxPacketBytes = 16u << 20;

// The bytes of `arg`, or a message saying why they cannot be had.
std::optional<std::vector<std::uint8_t>> readPacket(const PacketArg& arg, std::string& error);

// Hexadecimal digits in pairs, blanks allowed between the pairs; nothing when malformed.
std::optional<std::vector<std::uint8_t>> parseHex(const std::string& text);

// 842 when the packet writes a string file (its first command, after the STX, is "G"; the
// packet's escaping is undone first), 586 otherwise.
int packetKind(std::span<const std::uint8_t> packet);

}  // namespace ztk::render
