#include <gtest/gtest.h>

#include "interpreter_testpackets.h"

namespace ztk::sim {
namespace {

using test::bytes;
using test::modelWith;
using test::packet;

std::vector<std::uint16_t> characters(const MessageStream& stream) {
    std::vector<std::uint16_t> out;
    for (auto [op, operand] : test::ops(stream)) {
        if (op == Op::Char) out.push_back(operand);
    }
    return out;
}

TEST(InterpreterStores, TextFilesAreReplacedAndDroppedByANewMessage) {
    PacketInterpreter interpreter;
    // Several commands in one packet are handled in order; the later "A" wins.
    interpreter.newMessage(
        bytes("\x02"
              "AAone\x04\x02"
              "ABtwo\x04\x02"
              "AAthree\x04"));
    EXPECT_EQ(interpreter.textFileLabels(), (std::vector<std::uint8_t>{'A', 'B'}));
    EXPECT_EQ(characters(*interpreter.currentText()),
              (std::vector<std::uint16_t>{'t', 'h', 'r', 'e', 'e'}));

    // A string file survives new messages; a new message without "A" leaves no text file
    // and the engine gets the blank hold page.
    interpreter.interpretStringPacket(packet("G Jvalue"));
    interpreter.newMessage(packet("E,"));
    EXPECT_TRUE(interpreter.textFileLabels().empty());
    const auto blank = test::ops(*interpreter.currentText());
    EXPECT_EQ(blank, (decltype(blank){{Op::Mode, 0}, {Op::EndText, 0}}));
    ASSERT_TRUE(interpreter.stringFile(' '));
    EXPECT_EQ(test::ops(*interpreter.stringFile(' ')).back(),
              std::make_pair(Op::EndString, std::uint16_t{0}));

    // A packet without STX changes nothing else.
    interpreter.interpretStringPacket(bytes("AAnot a command"));
    EXPECT_TRUE(interpreter.textFileLabels().empty());
}

TEST(InterpreterStores, ReplacedFilesStayValidForTheirReaders) {
    PacketInterpreter interpreter;
    interpreter.newMessage(packet("AAfirst"));
    interpreter.interpretStringPacket(packet("G!old"));
    auto text = interpreter.currentText();
    auto string = interpreter.stringFile('!');
    interpreter.newMessage(packet("AAsecond"));
    interpreter.interpretStringPacket(packet("G!new"));
    EXPECT_EQ(characters(*text).size(), 5u);
    EXPECT_EQ(characters(*string), (std::vector<std::uint16_t>{'o', 'l', 'd'}));
    EXPECT_EQ(characters(*interpreter.stringFile('!')),
              (std::vector<std::uint16_t>{'n', 'e', 'w'}));
}

TEST(InterpreterStores, StringFileCopiesAreCutAndEnded) {
    PacketInterpreter interpreter;
    std::vector<std::uint32_t> out{1, 2, 3};
    EXPECT_FALSE(interpreter.copyStringFile('!', out));
    EXPECT_EQ(out, (std::vector<std::uint32_t>{1, 2, 3}));

    const std::uint32_t end = makeEntry(Op::EndString, 0);
    // 125 characters + the file's end entry = 126 entries: copied whole, plus one end.
    interpreter.interpretStringPacket(packet("G!" + std::string(125, 'x')));
    ASSERT_TRUE(interpreter.copyStringFile('!', out));
    ASSERT_EQ(out.size(), 127u);
    EXPECT_EQ(out[124], makeEntry(Op::Char, 'x'));
    EXPECT_EQ(out[125], end);
    EXPECT_EQ(out[126], end);
    // One entry more: cut to 125 entries, plus one end.
    interpreter.interpretStringPacket(packet("G!" + std::string(126, 'y')));
    ASSERT_TRUE(interpreter.copyStringFile('!', out));
    ASSERT_EQ(out.size(), 126u);
    EXPECT_EQ(out[124], makeEntry(Op::Char, 'y'));
    EXPECT_EQ(out[125], end);
}

TEST(InterpreterStores, ModelChangeRecompilesFromTheSource) {
    PacketInterpreter interpreter(modelWith(16));
    // Bracket-escaped packet whose STX came unescaped: the source still decodes the same.
    interpreter.newMessage(
        bytes("]!]!Z00\x02"
              "AA]:3]<7X]$"));
    interpreter.interpretStringPacket(
        packet("G \x1c"
               "7Y"));
    using Entries = std::vector<std::pair<Op, std::uint16_t>>;
    EXPECT_EQ(
        test::ops(*interpreter.textFile('A')),
        (Entries{{Op::Font, 2}, {Op::Color, kColorAmber}, {Op::Char, 'X'}, {Op::EndText, 0}}));

    interpreter.setModel(modelWith(8, 8));
    EXPECT_EQ(
        test::ops(*interpreter.textFile('A')),
        (Entries{{Op::Font, 5}, {Op::Color, kColorOrange}, {Op::Char, 'X'}, {Op::EndText, 0}}));
    EXPECT_EQ(test::ops(*interpreter.stringFile(' ')),
              (Entries{{Op::Color, kColorOrange}, {Op::Char, 'Y'}, {Op::EndString, 0}}));
    EXPECT_EQ(interpreter.model().rows, 8);
}

TEST(InterpreterStores, AutomodeListCyclesAndRestarts) {
    PacketInterpreter interpreter(modelWith(16, 3, 0x3FF, 0x0018));
    const std::vector<std::uint16_t> expected = {10, 11, 9,  8,  4,  5,  14, 15,
                                                 14, 15, 13, 12, 13, 12, 10, 11};
    EXPECT_EQ(interpreter.automodeCodes(), expected);
    for (std::uint16_t code : expected)
        EXPECT_EQ(interpreter.nextAutomode(), code);
    EXPECT_EQ(interpreter.nextAutomode(), 10);  // wraps
    EXPECT_EQ(interpreter.nextAutomode(), 11);
    interpreter.newMessage(packet("AAx"));
    EXPECT_EQ(interpreter.nextAutomode(), 10);  // a new message restarts the list

    interpreter.setModel(modelWith(16, 3, 0x3FF, 0x7FFF));
    EXPECT_EQ(interpreter.automodeCodes().size(), 31u);
    EXPECT_EQ(interpreter.nextAutomode(), 23);
    interpreter.setModel(modelWith(16, 3, 0x3FF, 0));
    EXPECT_EQ(interpreter.nextAutomode(), kModeHold);
    EXPECT_EQ(interpreter.nextAutomode(), kModeHold);
}

TEST(InterpreterModel, ParsesAndFormatsModelLines) {
    auto m = DisplayModel::parse("Orvex 4120C,160,32,8,7FFF,3fff,0x7F trailing");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->name, "Orvex 4120C");
    EXPECT_EQ(m->columns, 160);
    EXPECT_EQ(m->rows, 32);
    EXPECT_EQ(m->colors, 8);
    EXPECT_EQ(m->modeMask, 0x7FFFu);
    EXPECT_EQ(m->featureMask, 0x3FFFu);
    EXPECT_EQ(m->fontMask, 0x7Fu);
    EXPECT_EQ(m->format(), "Orvex 4120C,160,32,8,7FFF,3FFF,7F");
    EXPECT_EQ(DisplayModel::parse(DisplayModel{}.format())->format(),
              "Orvex 5210C,120,24,3,3FFF,3FF,77");
    EXPECT_TRUE(DisplayModel::parse("S, 4096,1024,1,0,0,0"));

    for (const char* bad :
         {"", ",120,24,3,3FFF,3FF,77", "S,120,24,3,3FFF,3FF", "S,120,24,3,,0,0", "S,0,24,3,0,0,0",
          "S,4097,24,3,0,0,0", "S,120,-1,3,0,0,0", "S,120,1025,3,0,0,0", "S,120,24,0,0,0,0",
          "S,120,24,9,0,0,0", "S,99999999999,24,3,0,0,0", "S,120,24,3,1FFFFFFFF,0,0",
          "S,120 ,24,3,0,0,0"}) {
        EXPECT_FALSE(DisplayModel::parse(bad)) << bad;
    }
}

}  // namespace
}  // namespace ztk::sim
