// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "interpreter_testpackets.h"

namespace ztk::sim {
namespace {

using interpreter_test::bytes;
using interpreter_test::dump;
using interpreter_test::modelWith;
using interpreter_test::packet;

TEST(InterpreterStores, TextFilesAreReplacedAndDroppedByANewMessage) {
    PacketInterpreter interpreter;
    // Several commands in one packet run in order; the later "A" replaces the first.
    interpreter.newMessage(bytes("{02}AAone{04}{02}ABtwo{04}{02}{02}AAsix{04}"));
    EXPECT_EQ(interpreter.textFileLabels(), (std::vector<std::uint8_t>{'A', 'B'}));
    EXPECT_EQ(dump(*interpreter.currentText()), "s i x ET");

    // String files survive new messages; a new message without "A" leaves no text file and
    // the engine gets the blank hold page. A packet without STX changes nothing.
    auto held = interpreter.currentText();
    interpreter.interpretStringPacket(packet("G Jv"));
    interpreter.newMessage(packet("E,"));
    interpreter.interpretStringPacket(bytes("AAnot a command"));
    EXPECT_TRUE(interpreter.textFileLabels().empty());
    EXPECT_EQ(dump(*interpreter.currentText()), "M0 ET");
    EXPECT_EQ(dump(*interpreter.stringFile(' ')), "J v ES");
    EXPECT_EQ(dump(*held), "s i x ET");  // still valid for the reader that holds it
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
    // A bracket-escaped packet whose STX came unescaped still decodes the same later.
    interpreter.newMessage(bytes("]!]!Z00{02}AA]:3]<7X]$"));
    interpreter.interpretStringPacket(packet("G {1C}7Y"));
    EXPECT_EQ(dump(*interpreter.textFile('A')), "F2 C13 X ET");

    interpreter.setModel(modelWith(8, 8));
    EXPECT_EQ(dump(*interpreter.textFile('A')), "F5 C17 X ET");
    EXPECT_EQ(dump(*interpreter.stringFile(' ')), "C17 Y ES");
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

TEST(InterpreterModel, ParsesFormatsAndRefusesModelLines) {
    auto m = DisplayModel::parse("Orvex 4120C,160,32,8,7FFF,3fff,0x7F trailing");
    ASSERT_TRUE(m);
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
