// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "interpreter_testpackets.h"

namespace ztk::sim {
namespace {

using interpreter_test::compileA;
using interpreter_test::modelWith;

TEST(InterpreterText, EscapedPacketsCompileLikeRawOnes) {
    EXPECT_EQ(compileA("{1B}\"b{1C}2HI"), "M201 C12 H I ET");
    // The same text bracket-escaped, and hex-escaped (where "]" is a plain character).
    PacketInterpreter bracket;
    bracket.newMessage(interpreter_test::bytes("]!]!]!]!]!]!Z00]\"AA];\"b]<2HI]$"));
    EXPECT_EQ(interpreter_test::dump(*bracket.textFile('A')), "M201 C12 H I ET");
    PacketInterpreter hex;
    hex.newMessage(interpreter_test::bytes("_01_01_01Z00_02AA_1B\"b_1c2HI]_04"));
    EXPECT_EQ(interpreter_test::dump(*hex.textFile('A')), "M201 C12 H I ] ET");
}

TEST(InterpreterText, CodesCutShortByTheEndOfThePacketJustEndTheText) {
    for (std::string cut : {"{1B}", "{1B}\"", "{1B}n", "{1C}", "{1A}", "{0F}", "{0F}T0", "{08}",
                            "{08}{08}", "{10}", "{14}", "{1D}0", "{1F}Cname", "{07}"}) {
        PacketInterpreter interpreter;
        interpreter.newMessage(interpreter_test::bytes("{02}AAX" + cut));
        ASSERT_TRUE(interpreter.textFile('A'));
        EXPECT_EQ(interpreter_test::dump(*interpreter.textFile('A')), "X ET") << cut;
    }
}

TEST(InterpreterText, ScrollPositionFollowsThePreviousPosition) {
    // After a top-line message scroll runs on the bottom line; after fill or middle it
    // fills, whatever its own position byte says.
    EXPECT_EQ(compileA("{1B}\"bT{1B}\"mX"), "M201 T M310 X ET");
    EXPECT_EQ(compileA("{1B} bM{1B}&mX"), "M101 M M10 X ET");
    // The byte read is remembered, even when scroll replaced the position.
    EXPECT_EQ(compileA("{1B}&b{1B} m{1B}\"m"), "M301 M310 M10 ET");
}

TEST(InterpreterText, ModesTheSignLacksFallBack) {
    auto mode = [](std::string field, std::uint32_t modeMask) {
        return compileA("{1B}" + field, modelWith(24, 3, 0x3FF, modeMask));
    };
    EXPECT_EQ(mode("0n0", 0x3FFF), "M11 ET");  // twinkle
    EXPECT_EQ(mode("0nC", 0x3FFF), "M1 ET");   // cycle colours needs 0x4000
    EXPECT_EQ(mode("0nC", 0x4000), "M19 ET");
    EXPECT_EQ(mode("\"n7", 0x2000), "M218 ET");  // starburst
    EXPECT_EQ(mode("\"n7", 0x1FFF), "M201 ET");
    EXPECT_EQ(mode("&k", 0x000F), "M301 ET");  // wipe needs 0x10
    EXPECT_EQ(mode(" t", 0x0002), "M102 ET");
    EXPECT_EQ(mode(" d", 0x3FFF), "M101 ET");
    // Automode keeps its position; animations become automode filling the display.
    EXPECT_EQ(mode("\"o", 0), "M280 ET");
    EXPECT_EQ(mode("\"nU", 0x3FFF), "M80 ET");
}

TEST(InterpreterText, FlashModeAndTheFlashAttribute) {
    // Flash mode switches the attribute on; the next mode field switches it off first.
    EXPECT_EQ(compileA("{1B}0cA{1B}0bB"), "M3 +16 A -16 M1 B ET");
    // Inside flash mode the per-character switch is ignored.
    EXPECT_EQ(compileA("{1B}0c{07}0A"), "M3 +16 A ET");
    EXPECT_EQ(compileA("{07}1A{07}0"), "+16 A -16 ET");
    EXPECT_EQ(compileA("{07}1A", modelWith(24, 3, 0x37F)), "A ET");
}

TEST(InterpreterText, FontsDependOnSignHeightAndMasks) {
    auto font = [](std::string code, const DisplayModel& model) {
        return compileA("{1A}" + code, model);
    };
    EXPECT_EQ(font("3", modelWith(8)), "F5 ET");
    EXPECT_EQ(font("3", modelWith(16)), "F2 ET");
    EXPECT_EQ(font("9", modelWith(16)), "F11 ET");
    EXPECT_EQ(font("9", modelWith(32)), "F9 ET");
    EXPECT_EQ(font("8", modelWith(32, 3, 0x3FF, 0x3FFF, 0x7F)), "F10 ET");
    EXPECT_EQ(font("4", modelWith(8, 3, 0x3FF, 0x3FFF, 0x7F)), "F7 ET");
    // Fonts the sign lacks fall back to the nearest one.
    EXPECT_EQ(font("4", modelWith(16)), "F2 ET");
    EXPECT_EQ(font("6", modelWith(16, 3, 0x3FF, 0x3FFF, 0x04)), "F3 ET");
    EXPECT_EQ(font("6", modelWith(16, 3, 0x3FF, 0x3FFF, 0x00)), "F2 ET");
    EXPECT_EQ(font("8", modelWith(16, 3, 0x3FF, 0x3FFF, 0x37)), "F3 ET");
    EXPECT_EQ(font("Q", modelWith(16)), "ET");
    // Full-height sets in the fill position need feature 0x0004; a fill mode field after
    // one selects it again for fill.
    const DisplayModel noFill = modelWith(16, 3, 0x3FB);
    EXPECT_EQ(font("9", noFill), "F2 ET");
    EXPECT_EQ(compileA("{1B}\"b{1A}9X{1B}0bY", noFill), "M201 F11 X M1 F2 Y ET");
}

TEST(InterpreterText, ColoursAreReducedToTheSignsColours) {
    auto colours = [](int colors) {
        return compileA("{1C}1{1C}4{1C}5{1C}7{1C}9{1C}A{1C}B{1C}C{1C}Q", modelWith(16, colors));
    };
    EXPECT_EQ(colours(8), "C11 C14 C15 C17 C1 C2 C0 C32768 ET");
    EXPECT_EQ(colours(3), "C11 C11 C12 C13 C1 C2 C0 C32768 ET");
    EXPECT_EQ(colours(1), "C11 C11 C11 C11 C11 C11 C11 C11 C11 ET");
}

TEST(InterpreterText, SpeedsAndCustomSpeeds) {
    const std::string text = "{0F}T032{0F}19{17}{09}{0F}Tx32{0F}g9X";
    EXPECT_EQ(compileA(text, modelWith(16, 3, 0x13FF)), "V500 V2500 V3 V6 X ET");
    // Without the feature custom values are dropped; bad digits give nothing either way.
    EXPECT_EQ(compileA(text), "V3 V6 X ET");
}

TEST(InterpreterText, ExtendedCharactersItemsAndAttributes) {
    // No temperature without feature 0x4000; "x" is no date format.
    EXPECT_EQ(compileA("{08}{08}A{08}{7C}{08}!{08}{1C}{13}{0B}8{0B}x"), "#C1 0 #81 T0 T56 ET");
    EXPECT_EQ(compileA("{08}{1D}", modelWith(24, 3, 0x43FF)), "T29 ET");

    const std::string all = "{05}1{06}1{12}{1D}11{1D}71{1E}1{1D}51{0C}";
    EXPECT_EQ(compileA(all, modelWith(32, 3, 0x7FF)), "+4 +32 +1 +2 +64 +8 NP ET");
    // Double high and descenders need 14 rows; new page needs more than 16.
    EXPECT_EQ(compileA(all, modelWith(13, 3, 0x7FF)), "+1 +2 +64 +8 ET");
    EXPECT_EQ(compileA(all, modelWith(32, 3, 0)), "NP ET");
}

}  // namespace
}  // namespace ztk::sim
