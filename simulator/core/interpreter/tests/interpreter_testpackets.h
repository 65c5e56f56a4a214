// SPDX-License-Identifier: MIT
#pragma once
// Helpers that build packets for the interpreter tests and show compiled streams as text.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "simcore/interpreter.h"
#include "simcore/messagestream.h"

namespace ztk::sim::interpreter_test {

// The bytes of `text`, where "{1B}" stands for the byte 0x1B.
inline std::vector<std::uint8_t> bytes(std::string_view text) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 3 < text.size() && text[i + 3] == '}') {
            out.push_back(static_cast<std::uint8_t>(
                std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16)));
            i += 3;
        } else {
            out.push_back(static_cast<std::uint8_t>(text[i]));
        }
    }
    return out;
}

// A framed packet as the control sends it: SOH run, "Z", address "00", STX, the command,
// EOT, and the zero byte the hand-over appends.
inline std::vector<std::uint8_t> packet(std::string_view command) {
    return bytes("{01}{01}{01}{01}{01}{01}Z00{02}" + std::string(command) + "{04}{00}");
}

// A stream as words: printable characters as themselves, "#hex" for other characters,
// then M (mode operand, hex), F font, C colour, + / - attribute, NL, NP, S string file,
// V speed, T time/date, P picture, H hold time, ES / ET end entries.
inline std::string dump(const MessageStream& stream) {
    std::string out;
    for (std::uint32_t e : stream.entries()) {
        const unsigned v = operandOf(e);
        char word[16];
        switch (opcodeOf(e)) {
            case Op::Char:
                if (v > 0x20 && v < 0x7F)
                    std::snprintf(word, sizeof word, "%c", char(v));
                else
                    std::snprintf(word, sizeof word, "#%X", v);
                break;
            case Op::Mode:
                std::snprintf(word, sizeof word, "M%X", v);
                break;
            case Op::Font:
                std::snprintf(word, sizeof word, "F%u", v);
                break;
            case Op::Color:
                std::snprintf(word, sizeof word, "C%u", v);
                break;
            case Op::AttrOn:
                std::snprintf(word, sizeof word, "+%u", v);
                break;
            case Op::AttrOff:
                std::snprintf(word, sizeof word, "-%u", v);
                break;
            case Op::NewLine:
                std::snprintf(word, sizeof word, "NL");
                break;
            case Op::NewPage:
                std::snprintf(word, sizeof word, "NP");
                break;
            case Op::StringFile:
                std::snprintf(word, sizeof word, "S%u", v);
                break;
            case Op::Speed:
                std::snprintf(word, sizeof word, "V%u", v);
                break;
            case Op::TimeDate:
                std::snprintf(word, sizeof word, "T%u", v);
                break;
            case Op::Picture:
                std::snprintf(word, sizeof word, "P%u", v);
                break;
            case Op::HoldTime:
                std::snprintf(word, sizeof word, "H%u", v);
                break;
            case Op::EndString:
                std::snprintf(word, sizeof word, "ES");
                break;
            case Op::EndText:
                std::snprintf(word, sizeof word, "ET");
                break;
            default:
                std::snprintf(word, sizeof word, "?%X", e);
                break;
        }
        if (!out.empty()) out += ' ';
        out += word;
    }
    return out;
}

// Text file "A" after the text arrives in a new message on `model`, as dump() shows it.
inline std::string compileA(std::string_view text, const DisplayModel& model = {}) {
    PacketInterpreter interpreter(model);
    interpreter.newMessage(packet("AA" + std::string(text)));
    auto stream = interpreter.textFile('A');
    return stream ? dump(*stream) : "(none)";
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

}  // namespace ztk::sim::interpreter_test
