// The stream splitter: packets found in any cut of a stream, garbage and broken frames
// skipped, a frame without an end dropped at the bound; and the sign address rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "packetsplitter.h"
#include "signaddress.h"

namespace ztk::simapp {
namespace {

std::string frame(const std::string& command, const std::string& address = "00") {
    return "\x01\x01\x01\x01\x01\x01Z" + address + '\x02' + command + '\x04';
}

struct Collected {
    std::vector<std::string> packets;
    std::vector<std::string> addresses;
    std::string commands;
};

// Feeds `stream` cut into the pieces of `cuts` (their lengths; the rest in one piece).
Collected split(PacketSplitter& splitter, const std::string& stream,
                const std::vector<std::size_t>& cuts = {}) {
    Collected got;
    const auto handler = [&](const StreamPacket& p) {
        got.packets.emplace_back(reinterpret_cast<const char*>(p.bytes.data()), p.bytes.size());
        got.addresses.emplace_back(p.address.data(), 2);
        got.commands += static_cast<char>(p.command);
    };
    std::size_t at = 0;
    auto feed = [&](std::size_t n) {
        splitter.feed({reinterpret_cast<const std::uint8_t*>(stream.data()) + at, n}, handler);
        at += n;
    };
    for (const std::size_t n : cuts)
        feed(n);
    feed(stream.size() - at);
    return got;
}

TEST(PacketSplitterTest, FindsPacketsHoweverTheStreamIsCut) {
    const std::string text = frame("AA\x1b b HELLO");
    const std::string value = frame("G 42", "01");
    // Two packets in one write.
    {
        PacketSplitter splitter;
        const Collected got = split(splitter, text + value);
        EXPECT_EQ(got.packets, (std::vector<std::string>{text, value}));
        EXPECT_EQ(got.addresses, (std::vector<std::string>{"00", "01"}));
        EXPECT_EQ(got.commands, "AG");
        EXPECT_EQ(splitter.counts(), (SplitterCounts{.packets = 2}));
    }
    // One packet in three writes, cut inside the SOH run and inside the body; and every
    // other cut of the two packets.
    for (std::size_t first = 1; first < text.size() + value.size(); ++first) {
        PacketSplitter splitter;
        const std::vector<std::size_t> cuts =
            first == 1 ? std::vector<std::size_t>{3, 10} : std::vector<std::size_t>{first};
        const Collected got = split(splitter, text + value, cuts);
        ASSERT_EQ(got.packets, (std::vector<std::string>{text, value})) << first;
        EXPECT_EQ(splitter.buffered(), 0u);
    }
}

TEST(PacketSplitterTest, SkipsGarbageAndFramesThatNeverEnd) {
    const std::string text = frame("AAok");
    PacketSplitter splitter;
    // Garbage before a frame (with a stray SOH and a broken header), a frame whose EOT never
    // came before the next header, and garbage between and after packets.
    const std::string stream = std::string("noise\x01Q\x01Z0") + "\x01\x01Z00\x02" + "AAlost" +
                               text + "\r\n" + text + "\x04tail";
    const Collected got = split(splitter, stream, {7, 1, 1});
    EXPECT_EQ(got.packets, (std::vector<std::string>{text, text}));
    EXPECT_EQ(splitter.counts().brokenFrames, 1u);
    EXPECT_EQ(splitter.counts().garbageBytes, stream.size() - 2 * text.size());

    // An SOH inside a body that does not begin a whole header stays part of the packet.
    const std::string odd = frame(
        "AAa\x01"
        "b\x01Zx");
    EXPECT_EQ(split(splitter, odd).packets, (std::vector<std::string>{odd}));

    // The stream ends inside a frame: it is dropped, and a new stream starts clean.
    split(splitter,
          "\x01\x01Z00\x02"
          "AAcut");
    splitter.finish();
    EXPECT_EQ(splitter.buffered(), 0u);
    EXPECT_EQ(splitter.counts().brokenFrames, 2u);
    EXPECT_EQ(split(splitter, text).packets.size(), 1u);
}

TEST(PacketSplitterTest, AGigabyteWithoutAFrameEndIsCutAtTheBoundAndTheNextPacketArrives) {
    PacketSplitter splitter;
    const std::string text = frame("AAafter");
    split(splitter,
          "\x01\x01\x01\x01\x01\x01Z00\x02"
          "AA");
    // 1 GiB in pieces of 1 MiB, never held at once: the splitter holds at most its bound.
    const std::vector<std::uint8_t> piece(1u << 20, 'x');
    std::size_t largest = 0;
    for (int i = 0; i < 1024; ++i) {
        splitter.feed(piece, [](const StreamPacket&) { FAIL() << "no packet ends here"; });
        largest = std::max(largest, splitter.buffered());
    }
    EXPECT_LE(largest, kMaxStreamPacketBytes);
    EXPECT_EQ(splitter.counts().oversizePackets, 1u);
    EXPECT_EQ(splitter.counts().packets, 0u);
    // The stream resynchronises at the next header; the tail of the long frame was garbage.
    EXPECT_EQ(split(splitter, std::string("\x04") + text).packets,
              (std::vector<std::string>{text}));
    EXPECT_EQ(splitter.counts().packets, 1u);

    // A small bound: a packet of exactly the bound passes, one byte more is dropped.
    PacketSplitter small(32);
    const std::string fits = frame(std::string(32 - 11, 'y'));
    ASSERT_EQ(fits.size(), 32u);
    EXPECT_EQ(split(small, fits + frame(std::string(22, 'z')) + fits).packets,
              (std::vector<std::string>{fits, fits}));
    EXPECT_EQ(small.counts().oversizePackets, 1u);
    // A long run of SOH bytes is kept short, within the bound too.
    EXPECT_EQ(split(small, std::string(100, '\x01') + "Z00\x02G x\x04").packets.size(), 1u);
    EXPECT_LE(small.buffered(), 32u);
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

}  // namespace
}  // namespace ztk::simapp
