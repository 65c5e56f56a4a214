// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "interpreter_testpackets.h"

namespace ztk::sim {
namespace {

using interpreter_test::bytes;
using interpreter_test::dump;
using interpreter_test::packet;

// A stored picture as text: '.' for an LED that is off, else the index's last digit, and
// '|' for each row marker.
std::string rows(const DotsPicture& p) {
    std::string out;
    for (std::uint8_t v : p.pixels)
        out += v == 0xFF ? '|' : v % 128 == 10 ? '.' : '0' + v % 10;
    return out;
}

TEST(InterpreterPictures, RowsAreRunLengthDecodedAndCutToTheirSize) {
    PacketInterpreter interpreter;
    // Height 3, width 6. Row 0: a run of five 1s. Row 1: a run past the width. Row 2:
    // short. The fourth row is beyond the height.
    interpreter.newMessage(packet("I10306{11}041{0D}12345{11}FF37{0D}2{0D}9999{0D}"));
    auto picture = interpreter.picture('1');
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 6);
    EXPECT_EQ(picture->height, 3);
    EXPECT_EQ(picture->pixels[0], 11);
    EXPECT_EQ(rows(*picture), "11111.|123453|2.....|");
    // A run with bad digits draws nothing; the row goes on after it.
    interpreter.newMessage(packet("I2010A{11}zz112{0D}"));
    EXPECT_EQ(rows(*interpreter.picture('2')), "12........|");
}

TEST(InterpreterPictures, FlashingPicturesAndNamedPictures) {
    PacketInterpreter interpreter;
    // Called while flashing before it is defined: stored from base 138.
    interpreter.newMessage(
        packet("AA{07}1{14}F{07}0{14}G{04}{02}IF0102{11}011{0D}{04}{02}IG0102{11}011{0D}"));
    EXPECT_EQ(interpreter.picture('F')->pixels[0], 139);
    EXPECT_EQ(interpreter.picture('G')->pixels[0], 11);

    // Named pictures get ids from 256 in order of first mention; kind "C" holds first.
    const std::string text = "AA{1F}Cpicture_1000A{1F}Lpicture_20000{1F}Cpicture_10014{04}";
    interpreter.newMessage(packet(text + "{02}Mpicture_200010002{11}013{0D}"));
    EXPECT_EQ(dump(*interpreter.textFile('A')), "H10 P256 P257 H20 P256 ET");
    EXPECT_EQ(rows(*interpreter.picture(257)), "33|");
    EXPECT_FALSE(interpreter.picture('F'));  // gone with the new message

    // Without the picture features the calls are consumed and show nothing.
    PacketInterpreter plain(interpreter_test::modelWith(24, 3, 0x3FC));
    plain.newMessage(packet("AA{14}Fa{1F}Cpicture_1000Ab"));
    EXPECT_EQ(dump(*plain.textFile('A')), "a b ET");
}

TEST(InterpreterPictures, HugeOrCountlessPicturesAreRefused) {
    PacketInterpreter interpreter;
    // 65535 x 65535 claimed: refused without allocating; the command after it still runs.
    interpreter.newMessage(packet("Mhuge_pictFFFFFFFF{11}FF1{0D}{04}{02}AAok"));
    EXPECT_FALSE(interpreter.picture(256));
    EXPECT_EQ(interpreter.pictures().storedBytes(), 0u);
    EXPECT_EQ(dump(*interpreter.textFile('A')), "o k ET");
    // The refusal is kept for the owner to report.
    EXPECT_EQ(interpreter.refusedPictureCount(), 1u);
    EXPECT_EQ(interpreter.lastRefusedPicture().name, "huge_pict");
    EXPECT_EQ(interpreter.lastRefusedPicture().bytes, 65536u * 65535u);

    // The largest accepted picture, as many times as the store holds it.
    std::string many;
    char name[16];
    for (int i = 0; i < 20; ++i) {
        std::snprintf(name, sizeof name, "big%06d", i);
        many += std::string("{02}M") + name + "04000FFF{0D}{04}";
    }
    interpreter.newMessage(bytes(many));
    EXPECT_EQ(interpreter.pictures().pictureCount(), kMaxPictureStoreBytes / kMaxPictureBytes);
    EXPECT_EQ(interpreter.refusedPictureCount(),
              1u + 20 - kMaxPictureStoreBytes / kMaxPictureBytes);
    // Replacing a stored picture counts only the difference.
    interpreter.interpretStringPacket(packet("Mbig0000000400FFF{0D}"));
    EXPECT_EQ(interpreter.pictures().find(256)->height, 0x400);

    // Names are bounded too: calls to new names beyond the bound show nothing.
    std::string calls = "AA";
    for (std::size_t i = 0; i < kMaxPictureNames + 5; ++i) {
        std::snprintf(name, sizeof name, "n%08zu", i);
        calls += std::string("{1F}L") + name + "0000";
    }
    interpreter.newMessage(packet(calls));
    EXPECT_EQ(interpreter.pictures().nameCount(), kMaxPictureNames);
    EXPECT_EQ(interpreter.textFile('A')->size(), kMaxPictureNames + 1);
}

}  // namespace
}  // namespace ztk::sim
