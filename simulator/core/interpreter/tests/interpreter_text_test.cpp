#include <gtest/gtest.h>

#include "interpreter_testpackets.h"

namespace ztk::sim {
namespace {

using test::compileA;
using test::modelWith;
using Entries = std::vector<std::pair<Op, std::uint16_t>>;

constexpr std::uint16_t mode(std::uint16_t position, std::uint16_t code) {
    return static_cast<std::uint16_t>(position << 8 | code);
}

TEST(InterpreterText, EscapedPacketsCompileLikeRawOnes) {
    const Entries expected = {{Op::Mode, mode(kPosTop, kModeHold)},
                              {Op::Color, kColorGreen},
                              {Op::Char, 'H'},
                              {Op::Char, 'I'},
                              {Op::EndText, 0}};
    EXPECT_EQ(compileA("\x1b\"b\x1c"
                       "2HI"),
              expected);

    // The same text with every control byte bracket-escaped, and hex-escaped.
    PacketInterpreter bracket;
    bracket.newMessage(test::bytes("]!]!]!]!]!]!Z00]\"AA];\"b]<2HI]$"));
    ASSERT_TRUE(bracket.textFile('A'));
    EXPECT_EQ(test::ops(*bracket.textFile('A')), expected);

    PacketInterpreter hex;
    hex.newMessage(test::bytes("_01_01_01Z00_02AA_1B\"b_1c2HI]_04"));
    ASSERT_TRUE(hex.textFile('A'));
    Entries withBracket = expected;
    withBracket.insert(withBracket.end() - 1, {Op::Char, ']'});
    EXPECT_EQ(test::ops(*hex.textFile('A')), withBracket);
}

TEST(InterpreterText, CodesCutShortByTheEndOfThePacketJustEndTheText) {
    for (std::string_view cut : {"\x1b", "\x1b\"", "\x1bn", "\x1c", "\x1a", "\x0f", "\x0fT0",
                                 "\x08", "\x08\x08", "\x10", "\x14",
                                 "\x1d"
                                 "0",
                                 "\x1f"
                                 "Cname",
                                 "\x05", "\x07", "\x0b"}) {
        PacketInterpreter interpreter;
        std::string text = "AAX";
        text += cut;
        interpreter.newMessage(test::bytes(std::string("\x02") + text));
        auto stream = interpreter.textFile('A');
        ASSERT_TRUE(stream) << "cut after " << cut.size() << " bytes";
        const Entries expected = {{Op::Char, 'X'}, {Op::EndText, 0}};
        EXPECT_EQ(test::ops(*stream), expected) << "cut code starts " << int(cut[0]);
    }
}

TEST(InterpreterText, ScrollPositionFollowsThePreviousPosition) {
    // After a top-line message, scroll runs on the bottom line.
    Entries entries = compileA("\x1b\"bTOP\x1b\"mX");
    EXPECT_EQ(entries[4], std::make_pair(Op::Mode, mode(kPosBottom, kModeScroll)));
    // After a fill or middle message it fills, whatever its own position byte says.
    entries = compileA("\x1b bMID\x1b&mX");
    EXPECT_EQ(entries[4], std::make_pair(Op::Mode, mode(kPosFill, kModeScroll)));
    // The remembered position is the byte just read, even when scroll replaced it.
    entries = compileA("\x1b&bA\x1b m\x1b\"mX");
    EXPECT_EQ(entries[2], std::make_pair(Op::Mode, mode(kPosBottom, kModeScroll)));
    EXPECT_EQ(entries[3], std::make_pair(Op::Mode, mode(kPosFill, kModeScroll)));
}

TEST(InterpreterText, ModesTheSignLacksFallBack) {
    auto firstMode = [](std::string_view field, std::uint32_t modeMask) {
        return compileA(std::string("\x1b") + std::string(field) + "X",
                        modelWith(24, 3, 0x3FF, modeMask))[0];
    };
    EXPECT_EQ(firstMode("0n0", 0x3FFF), std::make_pair(Op::Mode, mode(kPosFill, kModeTwinkle)));
    EXPECT_EQ(firstMode("0nC", 0x3FFF), std::make_pair(Op::Mode, mode(kPosFill, kModeHold)));
    EXPECT_EQ(firstMode("0nC", 0x7FFF), std::make_pair(Op::Mode, mode(kPosFill, kModeCycleColors)));
    EXPECT_EQ(firstMode("\"n7", 0x2000), std::make_pair(Op::Mode, mode(kPosTop, kModeStarburst)));
    EXPECT_EQ(firstMode("\"n7", 0x1FFF), std::make_pair(Op::Mode, mode(kPosTop, kModeHold)));
    EXPECT_EQ(firstMode("&k", 0x0010), std::make_pair(Op::Mode, mode(kPosBottom, kModeWipeLeft)));
    EXPECT_EQ(firstMode("&k", 0x000F), std::make_pair(Op::Mode, mode(kPosBottom, kModeHold)));
    EXPECT_EQ(firstMode(" t", 0x0002), std::make_pair(Op::Mode, mode(kPosMiddle, kModeRotate)));
    EXPECT_EQ(firstMode(" d", 0x3FFF), std::make_pair(Op::Mode, mode(kPosMiddle, kModeHold)));
    // Automode keeps its position; animations become automode filling the display.
    EXPECT_EQ(firstMode("\"o", 0), std::make_pair(Op::Mode, mode(kPosTop, kModeAutomodeFlag)));
    EXPECT_EQ(firstMode("\"nU", 0x3FFF),
              std::make_pair(Op::Mode, mode(kPosFill, kModeAutomodeFlag)));
}

TEST(InterpreterText, FlashModeAndTheFlashAttribute) {
    // Flash mode switches the attribute on; the next mode field switches it off first.
    const Entries flashMode = {{Op::Mode, mode(kPosFill, kModeFlash)},
                               {Op::AttrOn, kAttrFlash},
                               {Op::Char, 'A'},
                               {Op::AttrOff, kAttrFlash},
                               {Op::Mode, mode(kPosFill, kModeHold)},
                               {Op::Char, 'B'},
                               {Op::EndText, 0}};
    EXPECT_EQ(compileA("\x1b"
                       "0cA\x1b"
                       "0bB"),
              flashMode);
    // Inside flash mode the per-character switch is ignored.
    EXPECT_EQ(compileA("\x1b"
                       "0c\x07"
                       "0A")[2],
              std::make_pair(Op::Char, std::uint16_t{'A'}));
    // Without the flash feature only flash mode flashes.
    EXPECT_EQ(compileA("\x07"
                       "1A",
                       modelWith(24, 3, 0x37F))[0],
              std::make_pair(Op::Char, std::uint16_t{'A'}));
    EXPECT_EQ(compileA("\x07"
                       "1A")[0],
              std::make_pair(Op::AttrOn, kAttrFlash));
}

TEST(InterpreterText, FontsDependOnSignHeightAndMasks) {
    auto font = [](std::string_view text, const DisplayModel& model) {
        for (auto [op, operand] : compileA(text, model)) {
            if (op == Op::Font) return static_cast<int>(operand);
        }
        return 0;
    };
    EXPECT_EQ(font("\x1a"
                   "3",
                   modelWith(8)),
              5);
    EXPECT_EQ(font("\x1a"
                   "3",
                   modelWith(16)),
              2);
    EXPECT_EQ(font("\x1a"
                   "9",
                   modelWith(16)),
              11);
    EXPECT_EQ(font("\x1a"
                   "9",
                   modelWith(32)),
              9);
    EXPECT_EQ(font("\x1a"
                   "8",
                   modelWith(32, 3, 0x3FF, 0x3FFF, 0x7F)),
              10);
    EXPECT_EQ(font("\x1a"
                   "4",
                   modelWith(8, 3, 0x3FF, 0x3FFF, 0x7F)),
              7);
    // Fonts the sign lacks fall back to the nearest one.
    EXPECT_EQ(font("\x1a"
                   "4",
                   modelWith(16)),
              2);  // no 0x08
    EXPECT_EQ(font("\x1a"
                   "6",
                   modelWith(16, 3, 0x3FF, 0x3FFF, 0x04)),
              3);  // to "5"
    EXPECT_EQ(font("\x1a"
                   "6",
                   modelWith(16, 3, 0x3FF, 0x3FFF, 0x00)),
              2);  // to "3"
    EXPECT_EQ(font("\x1a"
                   "8",
                   modelWith(16, 3, 0x3FF, 0x3FFF, 0x37)),
              3);  // no 0x40
    // Full-height sets in the fill position need feature 0x0004.
    EXPECT_EQ(font("\x1a"
                   "9",
                   modelWith(16, 3, 0x3FB)),
              2);
    EXPECT_EQ(font("\x1b\"b\x1a"
                   "9",
                   modelWith(16, 3, 0x3FB)),
              11);
    EXPECT_EQ(font("\x1aQ", modelWith(16)), 0);

    // A fill mode field after a full-height set selects the set again for fill.
    const Entries refill = compileA(
        "\x1b\"b\x1a"
        "9X\x1b"
        "0bY",
        modelWith(16, 3, 0x3FB));
    const Entries expected = {{Op::Mode, mode(kPosTop, kModeHold)},
                              {Op::Font, 11},
                              {Op::Char, 'X'},
                              {Op::Mode, mode(kPosFill, kModeHold)},
                              {Op::Font, 2},
                              {Op::Char, 'Y'},
                              {Op::EndText, 0}};
    EXPECT_EQ(refill, expected);
}

TEST(InterpreterText, ColoursAreReducedToTheSignsColours) {
    auto colour = [](char c, int colors) {
        const Entries e = compileA(std::string("\x1c") + c, modelWith(16, colors));
        return e.size() == 2 ? static_cast<int>(e[0].second) : -1;
    };
    EXPECT_EQ(colour('7', 3), kColorAmber);
    EXPECT_EQ(colour('4', 3), kColorRed);
    EXPECT_EQ(colour('5', 3), kColorGreen);
    EXPECT_EQ(colour('7', 8), kColorOrange);
    EXPECT_EQ(colour('9', 3), kColorRainbow1);
    EXPECT_EQ(colour('B', 3), kColorMix);
    EXPECT_EQ(colour('C', 8), kColorAuto);
    EXPECT_EQ(colour('Q', 3), -1);
    for (char c : std::string("123456789ABC"))
        EXPECT_EQ(colour(c, 1), kColorRed) << c;
}

TEST(InterpreterText, SpeedsAndCustomSpeeds) {
    const DisplayModel withCustom = modelWith(16, 3, 0x13FF);
    const Entries custom = {
        {Op::Speed, 500}, {Op::Speed, 2500}, {Op::Speed, 3}, {Op::Speed, 6}, {Op::EndText, 0}};
    EXPECT_EQ(compileA("\x0fT032\x0f"
                       "19\x17\x09",
                       withCustom),
              custom);
    // Without the feature custom values are dropped, plain speeds stay.
    const Entries plain = {{Op::Speed, 3}, {Op::Speed, 6}, {Op::EndText, 0}};
    EXPECT_EQ(compileA("\x0fT032\x0f"
                       "19\x17\x09"),
              plain);
    // Digits that are not hexadecimal give no speed but are consumed.
    const Entries bad = {{Op::Char, 'X'}, {Op::EndText, 0}};
    EXPECT_EQ(compileA("\x0fTx32\x0fg9X", withCustom), bad);
}

TEST(InterpreterText, ExtendedCharactersAndItems) {
    const Entries e = compileA(
        "\x08\x08\x41\x08\x7C\x08\x21\x08\x1C\x13\x0B"
        "8\x0Bx");
    const Entries expected = {{Op::Char, 0x41 + 128}, {Op::Char, '0'},     {Op::Char, 0x81},
                              {Op::TimeDate, 0},      {Op::TimeDate, '8'}, {Op::EndText, 0}};
    EXPECT_EQ(e, expected);  // no temperature without feature 0x4000; "x" is no date format
    EXPECT_EQ(compileA("\x08\x1D", modelWith(24, 3, 0x43FF))[0],
              std::make_pair(Op::TimeDate, std::uint16_t{29}));
}

TEST(InterpreterText, AttributesNeedTheirFeatureAndHeight) {
    const std::string all =
        "\x05"
        "1\x06"
        "1\x12\x1d"
        "11\x1d"
        "71\x1e"
        "1\x1d"
        "51\x0c";
    const Entries full = {{Op::AttrOn, kAttrDoubleHigh},
                          {Op::AttrOn, kAttrDescenders},
                          {Op::AttrOn, kAttrWide},
                          {Op::AttrOn, kAttrDoubleWide},
                          {Op::AttrOn, kAttrShadow},
                          {Op::AttrOn, kAttrFixedWidth},
                          {Op::NewPage, 0},
                          {Op::EndText, 0}};
    EXPECT_EQ(compileA(all, modelWith(32, 3, 0x7FF)), full);
    // Double high and descenders need 14 rows; new page needs more than 16.
    const Entries small = {{Op::AttrOn, kAttrWide},
                           {Op::AttrOn, kAttrDoubleWide},
                           {Op::AttrOn, kAttrShadow},
                           {Op::AttrOn, kAttrFixedWidth},
                           {Op::EndText, 0}};
    EXPECT_EQ(compileA(all, modelWith(13, 3, 0x7FF)), small);
    // With no features, nothing at all.
    EXPECT_EQ(compileA(all, modelWith(32, 3, 0)), (Entries{{Op::NewPage, 0}, {Op::EndText, 0}}));
}

}  // namespace
}  // namespace ztk::sim
