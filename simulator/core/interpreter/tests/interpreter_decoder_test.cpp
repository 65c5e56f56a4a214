#include <gtest/gtest.h>

#include "interpreter_testpackets.h"
#include "simcore/bytedecoder.h"

namespace ztk::sim {
namespace {

using test::bytes;

std::string decodeAll(std::string_view raw) {
    const auto input = bytes(raw);
    ByteDecoder in(input, escapeModeOf(input.empty() ? 0 : input.front()));
    std::string out;
    while (auto b = in.next())
        out.push_back(static_cast<char>(*b));
    return out;
}

TEST(InterpreterDecoder, FirstByteChoosesTheEscapes) {
    // Bracket mode decodes both escapes.
    EXPECT_EQ(decodeAll("]!]!]\"A_1b_4A]$"), std::string("\x01\x01\x02"
                                                         "A\x1bJ\x04"));
    // Hex mode decodes only "_": "]" stays a plain character.
    EXPECT_EQ(decodeAll("_01]\"_02Ab"), std::string("\x01]\"\x02"
                                                    "Ab"));
    // Raw mode decodes nothing.
    EXPECT_EQ(decodeAll("\x01]\"_02"), std::string("\x01]\"_02"));
}

TEST(InterpreterDecoder, MalformedEscapesNeverReadPastTheEnd) {
    // "_" without two hexadecimal digits is itself; a trailing "]" is cut short and ends.
    EXPECT_EQ(decodeAll("]!_G1_4"), std::string("\x01_G1_4"));
    EXPECT_EQ(decodeAll("]!AB]"), std::string("\x01"
                                              "AB"));
    // "]" before a byte below 32 wraps around within the byte.
    EXPECT_EQ(decodeAll("]!]\x10"), std::string("\x01\xF0"));
}

}  // namespace
}  // namespace ztk::sim
