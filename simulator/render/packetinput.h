// SPDX-License-Identifier: MIT
#pragma once
// Packets from the command line: streams of packets from files or standard input, split at
// their frames, and single packets given in hexadecimal.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "renderoptions.h"
#include "simcore/interpreter.h"

namespace ztk::render {

// Feeds the packets of `arg` to `interpreter` in order, each as the kind it travels as.
// Warnings (bytes skipped, pictures refused, no packet at all) go to `err`. False, with
// `error` saying why, when the input cannot be read; the packets before the failure are fed.
bool feedPackets(const PacketArg& arg, sim::PacketInterpreter& interpreter, std::ostream& err,
                 std::string& error);

// Hexadecimal digits in pairs, blanks allowed between the pairs; nothing when malformed.
std::optional<std::vector<std::uint8_t>> parseHex(const std::string& text);

}  // namespace ztk::render
