#pragma once
// Helpers that build packets for the interpreter tests.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "simcore/interpreter.h"
#include "simcore/messagestream.h"

namespace ztk::sim::test {

inline std::vector<std::uint8_t> bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// A framed packet as the control sends it: SOH run, "Z", address "00", STX, the command,
// EOT, and the zero byte the hand-over appends.
inline std::vector<std::uint8_t> packet(std::string_view command) {
    std::string p = "\x01\x01\x01\x01\x01\x01Z00\x02";
    p += command;
    p += '\x04';
    p += '\0';
    return bytes(p);
}

// The entries of `stream` as (opcode, operand) pairs, end entry included.
inline std::vector<std::pair<Op, std::uint16_t>> ops(const MessageStream& stream) {
    std::vector<std::pair<Op, std::uint16_t>> out;
    for (std::uint32_t e : stream.entries())
        out.emplace_back(opcodeOf(e), operandOf(e));
    return out;
}

// The entries of text file "A" after `command` arrives as a new message on `model`.
inline std::vector<std::pair<Op, std::uint16_t>> compileA(std::string_view text,
                                                          const DisplayModel& model = {}) {
    PacketInterpreter interpreter(model);
    interpreter.newMessage(packet(std::string("AA") + std::string(text)));
    auto stream = interpreter.textFile('A');
    return stream ? ops(*stream) : std::vector<std::pair<Op, std::uint16_t>>{};
}

inline DisplayModel modelWith(int rows, int colors = 3, std::uint32_t featureMask = 0x3FF,
                              std::uint32_t modeMask = 0x3FFF, std::uint32_t fontMask = 0x77) {
    DisplayModel m;
    m.rows = rows;
    m.colors = colors;
    m.featureMask = featureMask;
    m.modeMask = modeMask;
    m.fontMask = fontMask;
    return m;
}

}  // namespace ztk::sim::test
