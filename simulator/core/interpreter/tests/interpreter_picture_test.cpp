#include <gtest/gtest.h>

#include "interpreter_testpackets.h"

namespace ztk::sim {
namespace {

using test::bytes;
using test::packet;

// The rows of a stored picture as text: one character per pixel ('.' for off, else the
// index's low digit), the marker as '|'.
std::vector<std::string> rows(const DotsPicture& p) {
    std::vector<std::string> out;
    const std::size_t stride = static_cast<std::size_t>(p.width) + 1;
    for (int r = 0; r < p.height; ++r) {
        std::string row;
        for (std::size_t c = 0; c < stride; ++c) {
            const std::uint8_t v = p.pixels[r * stride + c];
            row += v == 0xFF ? '|' : v == 10 || v == 138 ? '.' : char('0' + v % 10);
        }
        out.push_back(row);
    }
    return out;
}

TEST(InterpreterPictures, RowsAreRunLengthDecodedAndCutToTheirSize) {
    PacketInterpreter interpreter;
    // Height 3, width 6. Row 0: a run of five 1s. Row 1: longer than the width. Row 2: short.
    // A fourth row is beyond the height.
    interpreter.newMessage(
        packet("I10306\x11"
               "041\r1234567\x11"
               "FF3\r2\r9999\r"));
    auto picture = interpreter.picture('1');
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 6);
    EXPECT_EQ(picture->height, 3);
    ASSERT_EQ(picture->pixels.size(), 21u);
    EXPECT_EQ(picture->pixels[0], 11);
    EXPECT_EQ(rows(*picture), (std::vector<std::string>{"11111.|", "123456|", "2.....|"}));

    // A run with bad digits draws nothing; the row goes on after it.
    interpreter.newMessage(
        packet("I2010A\x11zz1"
               "12\r"));
    EXPECT_EQ(rows(*interpreter.picture('2')), (std::vector<std::string>{"12........|"}));
}

TEST(InterpreterPictures, FlashingPicturesAndNamedPictures) {
    PacketInterpreter interpreter;
    // Called while flashing before it is defined: stored from base 138.
    interpreter.newMessage(
        packet("AA\x07"
               "1\x14"
               "F\x07"
               "0\x14G\x04\x02I"
               "F0102\x11"
               "011\r"
               "\x04\x02IG0102\x11"
               "011\r"));
    EXPECT_TRUE(interpreter.pictures().isFlash('F'));
    EXPECT_FALSE(interpreter.pictures().isFlash('G'));
    EXPECT_EQ(interpreter.picture('F')->pixels[0], 139);
    EXPECT_EQ(interpreter.picture('G')->pixels[0], 11);

    // Named pictures: ids from 256 in order of first mention, hold time before the call.
    interpreter.newMessage(
        packet("AA\x1f"
               "Cpicture_1000A\x1f"
               "Lpicture_20000\x1f"
               "Cpicture_1"
               "0014\x04\x02Mpicture_200010002\x11"
               "013\r"));
    using Entries = std::vector<std::pair<Op, std::uint16_t>>;
    EXPECT_EQ(test::ops(*interpreter.textFile('A')), (Entries{{Op::HoldTime, 10},
                                                              {Op::Picture, 256},
                                                              {Op::Picture, 257},
                                                              {Op::HoldTime, 20},
                                                              {Op::Picture, 256},
                                                              {Op::EndText, 0}}));
    ASSERT_TRUE(interpreter.picture(257));
    EXPECT_EQ(rows(*interpreter.picture(257)), (std::vector<std::string>{"33|"}));
    // Old pictures and names went with the new message.
    EXPECT_FALSE(interpreter.picture('F'));
    EXPECT_EQ(interpreter.pictures().nameCount(), 2u);

    // Without the picture features the calls are consumed and show nothing.
    PacketInterpreter plain(test::modelWith(24, 3, 0x3FC));
    plain.newMessage(
        packet("AA\x14"
               "Fa\x1f"
               "Cpicture_1000Ab"));
    EXPECT_EQ(test::ops(*plain.textFile('A')),
              (Entries{{Op::Char, 'a'}, {Op::Char, 'b'}, {Op::EndText, 0}}));
}

TEST(InterpreterPictures, HugeOrCountlessPicturesAreRefused) {
    PacketInterpreter interpreter;
    // 65535 x 65535 claimed: refused without allocating; the command after it still runs.
    interpreter.newMessage(
        packet("Mhuge_pictFFFFFFFF\x11"
               "FF1\r\x04\x02"
               "AAok"));
    EXPECT_FALSE(interpreter.picture(256));
    EXPECT_EQ(interpreter.pictures().storedBytes(), 0u);
    ASSERT_TRUE(interpreter.textFile('A'));

    // The largest accepted picture, then as many as the store holds.
    std::string many;
    for (int i = 0; i < 20; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "big%06d", i);
        many += std::string("\x02M") + name + "04000FFF\r\x04";
    }
    interpreter.newMessage(bytes(many));
    EXPECT_EQ(interpreter.pictures().pictureCount(), kMaxPictureStoreBytes / kMaxPictureBytes);
    EXPECT_LE(interpreter.pictures().storedBytes(), kMaxPictureStoreBytes);
    // Replacing a stored picture counts only the difference.
    interpreter.interpretStringPacket(packet("Mbig0000000400FFF\r"));
    EXPECT_EQ(interpreter.pictures().find(256)->height, 0x400);

    // Names are bounded too: calls to new names beyond the bound show nothing.
    std::string calls = "AA";
    for (std::size_t i = 0; i < kMaxPictureNames + 5; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "n%08zu", i);
        calls += std::string("\x1f") + "L" + name + "0000";
    }
    interpreter.newMessage(packet(calls));
    EXPECT_EQ(interpreter.pictures().nameCount(), kMaxPictureNames);
    EXPECT_EQ(test::ops(*interpreter.textFile('A')).size(), kMaxPictureNames + 1);
}

}  // namespace
}  // namespace ztk::sim
