// SPDX-License-Identifier: MIT
// The code tables, the packet frame and the pure packet builders.
#include <gtest/gtest.h>

#include "protocol/alarmlist.h"
#include "protocol/boardmemory.h"
#include "protocol/orvexprotocolroutines.h"
#include "protocol/packetframe.h"
#include "protocol/quickdisplay.h"
#include "protocol/variablestable.h"

namespace ztk {
namespace {

namespace codes = mOrvexProtocolRoutines;

TEST(CodeTables, WordsFoldCaseAndNumbersMatchTheirValue) {
    EXPECT_EQ(codes::ColorCode("Green"),
              "\x1C"
              "2");
    EXPECT_EQ(codes::ColorCode("GREEN"),
              "\x1C"
              "2");
    EXPECT_EQ(codes::ColorCode("2"),
              "\x1C"
              "2");
    EXPECT_EQ(codes::ColorCode("10"),
              "\x1C"
              "A");
    EXPECT_EQ(codes::ColorCode("0"),
              "\x1C"
              "C");
    EXPECT_EQ(codes::FontCode("sfull"),
              "\x1A"
              "9");
    EXPECT_EQ(codes::FontCode("3"),
              "\x1A"
              "6");
    EXPECT_EQ(codes::ModeCode("compressedrotate", "bottom"), "\x1B&t");
    EXPECT_EQ(codes::ModeCode("12", "2"), "\x1B m");
    EXPECT_EQ(codes::SpecialCode("Sparkle", "BOTTOM"), "\x1B&n1");
}

TEST(CodeTables, UnknownOrBlankedWordsGiveTheDefaultRow) {
    EXPECT_EQ(codes::ColorCode(""),
              "\x1C"
              "C");
    EXPECT_EQ(codes::ColorCode(" GREEN"),
              "\x1C"
              "C");
    EXPECT_EQ(codes::ColorCode("12"),
              "\x1C"
              "C");
    EXPECT_EQ(codes::FontCode(""),
              "\x1A"
              "3");
    EXPECT_EQ(codes::PositionCode(""),
              "\x1B"
              "0");
    EXPECT_EQ(codes::ModeCode("", ""),
              "\x1B"
              "0o");
    EXPECT_EQ(codes::ModeCode("d", "top"), "\x1B\"o");
    EXPECT_EQ(codes::SpecialCode("Fireworks", "TOP"), "\x1B\"o");
}

TEST(CodeTables, SpeedIsExactAndFlashOnlyForOne) {
    EXPECT_EQ(codes::SpeedCode("3"), "\x17");
    EXPECT_EQ(codes::SpeedCode("03"), "");
    EXPECT_EQ(codes::SpeedCode(""), "");
    EXPECT_EQ(codes::FlashCode(1),
              "\x07"
              "1");
    EXPECT_EQ(codes::FlashCode(2),
              "\x07"
              "0");
}

TEST(CodeTables, SignTypesOtherThanZeroHaveNoFrameOrStartCodes) {
    EXPECT_EQ(codes::TemplateStartCode(0),
              "\x1B"
              "0b\x09\x1D"
              "41");
    EXPECT_EQ(codes::PageStartCode(0),
              "\x1B\"b\x1E"
              "1");
    for (std::uint8_t type : {1, 255}) {
        EXPECT_EQ(codes::PacketHeader(type), "");
        EXPECT_EQ(codes::PacketTrailer(type), "");
        EXPECT_EQ(codes::TemplateStartCode(type), "");
        EXPECT_EQ(codes::PageStartCode(type), "");
    }
    EXPECT_EQ(protocol::framePacket(0, "00", "E,"), QByteArray("\x01\x01\x01\x01\x01\x01Z00\x02"
                                                               "E,\x04"));
    EXPECT_EQ(protocol::framePacket(3, "1F", "E,"), QByteArray("1F\x02"
                                                               "E,"));
}

TEST(PacketBytes, TextBecomesLatin1WithOneQuestionMarkPerWideCharacter) {
    EXPECT_EQ(protocol::toPacketBytes(QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                                        "e")),
              "Gr\xFC\xDF"
              "e");
    EXPECT_EQ(protocol::toPacketBytes(QString::fromUtf8("a\xE2\x82\xAC"
                                                        "b\xF0\x9F\x98\x80"
                                                        "c")),
              "a?b?c");
    EXPECT_EQ(protocol::toPacketBytes(QString(QChar(0))), QByteArray(1, '\0'));
}

TEST(QuickDisplayPacket, WorkedExampleByteForByte) {
    const QByteArray expected = QByteArray::fromHex(
        "0101010101015a3031024141"
        "1b2262"
        "1c32"
        "1a33"
        "48454c4c4f"
        "04");
    EXPECT_EQ(protocol::frameTextFilePacket(
                  0, "01", protocol::quickDisplayBody("HELLO", "Green", "", "HOLD", "", "TOP")),
              expected);
    // A special replaces the mode; everything omitted is automode at fill, autocolour, S7;
    // an EOT inside the text passes unchanged.
    EXPECT_EQ(protocol::quickDisplayBody("X", "", "", "Hold", "snow", "top"),
              "\x02"
              "AA\x1B\"n2\x1C"
              "C\x1A"
              "3X");
    EXPECT_EQ(protocol::quickDisplayBody("A\x04"
                                         "B",
                                         "", "", "", "", ""),
              "\x02"
              "AA\x1B"
              "0o\x1C"
              "C\x1A"
              "3A\x04"
              "B");
}

TEST(BoardMemory, LayoutPacketIs750BytesWithEveryLabelInOrder) {
    const QByteArray command = protocol::memoryConfigurationCommand(0);
    const QByteArray packet = protocol::framePacket(0, "00", command);
    ASSERT_EQ(packet.size(), 750);
    EXPECT_FALSE(packet.contains('\x03'));
    EXPECT_TRUE(command.startsWith("E$!AU0008FF00 BL00200000!BL00200000"));
    EXPECT_TRUE(command.endsWith("_BL00200000`BL00200000AAU0000FF00"));
    for (int i = 0; i < 65; ++i) {
        EXPECT_EQ(command.mid(2 + 11 + i * 11, 11),
                  static_cast<char>(0x20 + i) + QByteArray("BL00200000"));
    }
    EXPECT_EQ(protocol::runSequenceCommand(), "E.SLA");
}

TEST(BoardMemory, StringSizeOutsideOneTo32766IsThirtyTwo) {
    EXPECT_EQ(protocol::stringSizeText(0), "0020");
    EXPECT_EQ(protocol::stringSizeText(-5), "0020");
    EXPECT_EQ(protocol::stringSizeText(32767), "0020");
    EXPECT_EQ(protocol::stringSizeText(1), "0001");
    EXPECT_EQ(protocol::stringSizeText(255), "00FF");
    EXPECT_EQ(protocol::stringSizeText(32766), "7FFE");
    EXPECT_TRUE(protocol::memoryConfigurationCommand(100).contains(" BL00640000"));
}

TEST(VariablesTable, HandsOutLabelsUpToSixtyFourAndRefusesBeforeCreation) {
    protocol::VariablesTable table;
    EXPECT_FALSE(table.isCreated());
    EXPECT_FALSE(table.add("early", 3));
    table.empty();
    EXPECT_EQ(table.add("t", 3), ' ');
    EXPECT_EQ(table.at(0).value, "???");
    EXPECT_EQ(table.at(0).length, "3");
    for (int i = 1; i < 64; ++i)
        ASSERT_TRUE(table.add(QString::number(i), 0));
    EXPECT_EQ(table.at(63).label, '_');
    EXPECT_EQ(table.at(63).length, "0");
    EXPECT_FALSE(table.add("sixty-fifth", 1));
    EXPECT_EQ(table.count(), 64);
    table.empty();
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.nextLabel(), 0x20);
    EXPECT_TRUE(table.at(0).name.isEmpty());
}

TEST(AlarmList, NewestFirstKeysIgnoreCaseAndFailuresCarryTheirNumbers) {
    protocol::AlarmList list;
    EXPECT_EQ(list.add({"ztk_f.xml\\Fire", "fire"}), 0);
    EXPECT_EQ(list.add({"ztk_f.xml\\Flood", "flood"}), 0);
    EXPECT_EQ(list.add({"ztk_f.xml\\Gas", "gas"}), 0);
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.entries()[0].tAscii, "gas");
    EXPECT_EQ(list.entries()[2].tAscii, "fire");
    EXPECT_EQ(list.add({"ZTK_F.XML\\fire", "again"}), protocol::AlarmList::kDuplicateKeyError);
    EXPECT_EQ(list.size(), 3);
    EXPECT_EQ(list.remove("ztk_F.xml\\FLOOD"), 0);
    EXPECT_EQ(list.entries()[1].tAscii, "fire");
    EXPECT_EQ(list.remove("ztk_f.xml\\Flood"), protocol::AlarmList::kMissingKeyError);
}

}  // namespace
}  // namespace ztk
