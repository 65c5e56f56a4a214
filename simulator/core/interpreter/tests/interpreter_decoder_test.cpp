// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "interpreter_testpackets.h"
#include "simcore/bytedecoder.h"

namespace ztk::sim {
namespace {

using interpreter_test::bytes;

std::vector<std::uint8_t> decodeAll(std::string_view raw) {
    const auto input = bytes(raw);
    ByteDecoder in(input, escapeModeOf(input.empty() ? 0 : input.front()));
    std::vector<std::uint8_t> out;
    while (auto b = in.next())
        out.push_back(*b);
    return out;
}

TEST(InterpreterDecoder, FirstByteChoosesTheEscapes) {
    // Bracket mode decodes both escapes; hex mode only "_", so "]" stays a plain character;
    // raw mode decodes nothing.
    EXPECT_EQ(decodeAll("]!]!]\"A_1b_4A]$"), bytes("{01}{01}{02}A{1B}J{04}"));
    EXPECT_EQ(decodeAll("_01]\"_02Ab"), bytes("{01}]\"{02}Ab"));
    EXPECT_EQ(decodeAll("{01}]\"_02"), bytes("{01}]\"_02"));
}

TEST(InterpreterDecoder, MalformedEscapesNeverReadPastTheEnd) {
    // "_" without two hexadecimal digits is itself; a trailing "]" is cut short and ends.
    EXPECT_EQ(decodeAll("]!_G1_4"), bytes("{01}_G1_4"));
    EXPECT_EQ(decodeAll("]!AB]"), bytes("{01}AB"));
    // "]" before a byte below 32 wraps around within the byte.
    EXPECT_EQ(decodeAll("]!]{10}"), bytes("{01}{F0}"));
}

}  // namespace
}  // namespace ztk::sim
