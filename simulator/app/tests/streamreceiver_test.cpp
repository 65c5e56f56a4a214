// SPDX-License-Identifier: MIT
// What the sign takes from a stream: packets for its own address and broadcasts, each as the
// kind the control hands it over as; packets for other signs and escaped frames passed over;
// a packet that grows past the bound told once.
#include <gtest/gtest.h>

#include <QStringList>

#include <string>
#include <utility>
#include <vector>

#include "signaddress.h"
#include "simcore/interpreter.h"
#include "streamreceiver.h"

namespace ztk::simapp {
namespace {

QByteArray framed(const QByteArray& command, const QByteArray& address) {
    return "\x01\x01\x01\x01\x01\x01Z" + address + '\x02' + command + '\x04';
}

TEST(SignAddressTest, ItsOwnAddressAndTheBroadcastAreTaken) {
    EXPECT_EQ(SignAddress::parse("0a")->text(), "0A");
    EXPECT_EQ(SignAddress::parse("7")->text(), "07");
    EXPECT_FALSE(SignAddress::parse(""));
    EXPECT_FALSE(SignAddress::parse("100"));
    EXPECT_FALSE(SignAddress::parse("G1"));

    const SignAddress sign = *SignAddress::parse("1F");
    EXPECT_TRUE(sign.takes({'1', 'F'}));
    EXPECT_TRUE(sign.takes({'1', 'f'}));
    EXPECT_TRUE(sign.takes({'0', '0'}));
    EXPECT_FALSE(sign.takes({'0', '1'}));
    EXPECT_FALSE(sign.takes({'?', '?'}));
    // The default sign "00" takes only broadcasts.
    EXPECT_TRUE(SignAddress().takes({'0', '0'}));
    EXPECT_FALSE(SignAddress().takes({'0', '1'}));
}

TEST(StreamReceiverTest, TakesPacketsForThisSignAsTheirHandOverKind) {
    std::vector<std::pair<std::uint64_t, QByteArray>> delivered;
    QStringList notes;
    StreamReceiver receiver(
        *SignAddress::parse("05"),
        [&](std::uint64_t kind, const QByteArray& packet) { delivered.emplace_back(kind, packet); },
        [&](const QString& line) { notes << line; }, "peer", 64);
    const auto receive = [&](const QByteArray& bytes) {
        receiver.receive({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size())});
    };

    const QByteArray text = framed("AAhi", "05");
    const QByteArray value = framed("G 42", "00");
    receive(text + framed("AAno", "07") + value + framed("AAno", "07"));
    // An escaped frame is no packet on a link.
    receive("]!]!Z05]\"AAno]$");
    EXPECT_EQ(delivered, (std::vector<std::pair<std::uint64_t, QByteArray>>{
                             {sim::kKindNewMessage, text}, {sim::kKindStringFile, value}}));
    EXPECT_EQ(receiver.passedOver(), 2u);
    EXPECT_EQ(notes, QStringList{"a packet from peer for sign 07 was passed over: this sign is "
                                 "05 (-address)"});

    // A packet past the bound is told once, while it is still arriving, and dropped.
    notes.clear();
    receive(framed("AA", "05").chopped(1) + QByteArray(60, 'x'));
    receive(QByteArray(60, 'x'));
    receive("\x04" + text);
    EXPECT_EQ(notes, QStringList{"dropped a packet from peer that grew past 64 bytes without "
                                 "its end (1 so far)"});
    EXPECT_EQ(receiver.counts().tooLong, 1u);
    EXPECT_EQ(delivered.size(), 3u);
    EXPECT_EQ(receiver.counts().packets, 5u);
    receiver.end();
    EXPECT_EQ(receiver.buffered(), 0u);
}

}  // namespace
}  // namespace ztk::simapp
