// Splitting a byte stream into packets at their frames, whatever pieces it arrives in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpreter_testpackets.h"
#include "simcore/framesplitter.h"

namespace ztk::sim {
namespace {

using interpreter_test::bytes;

// Every event as one word: "P@offset:bytes" for a packet, "N|C|L@offset+length" for bytes
// passed over as no packet, cut short or too long.
struct Events final : FrameSplitterEvents {
    void packet(std::span<const std::uint8_t> b, std::uint64_t offset) override {
        seen.push_back("P@" + std::to_string(offset) + ":" + std::string(b.begin(), b.end()));
    }
    void skipped(std::uint64_t offset, std::uint64_t length, SkippedKind kind) override {
        const char* k = kind == SkippedKind::NoPacket   ? "N"
                        : kind == SkippedKind::CutShort ? "C"
                                                        : "L";
        seen.push_back(k + ("@" + std::to_string(offset) + "+" + std::to_string(length)));
    }
    std::vector<std::string> seen;
};

// The events of `stream` fed in pieces of `piece` bytes (0: all at once).
std::vector<std::string> split(std::string_view stream, std::size_t piece = 0,
                               std::size_t bound = FrameSplitter::kDefaultMaxPacketBytes) {
    const auto all = bytes(stream);
    Events events;
    FrameSplitter splitter(events, bound);
    const std::size_t step = piece == 0 ? all.size() : piece;
    for (std::size_t at = 0; at < all.size(); at += step)
        splitter.feed(std::span(all).subspan(at, std::min(step, all.size() - at)));
    splitter.finish();
    return events.seen;
}

// The same events for every way of cutting the stream into pieces.
std::vector<std::string> splitEveryWay(std::string_view stream) {
    const auto whole = split(stream);
    for (std::size_t piece = 1; piece <= 4; ++piece)
        EXPECT_EQ(split(stream, piece), whole) << "in pieces of " << piece;
    return whole;
}

TEST(FrameSplitter, PacketsBackToBackWithGarbageBetween) {
    const std::string a = "{00}{01}{01}Z00{02}AAHI{04}";
    const std::string b = "{01}Z00{02}G 42{04}";
    const std::string aRaw(reinterpret_cast<const char*>(bytes(a).data()), bytes(a).size());
    const std::string bRaw(reinterpret_cast<const char*>(bytes(b).data()), bytes(b).size());
    EXPECT_EQ(splitEveryWay(a + b), (std::vector<std::string>{"P@0:" + aRaw, "P@12:" + bRaw}));
    // Bytes before, between and after packets are reported once per run, with where they were.
    EXPECT_EQ(
        splitEveryWay("xy" + a + "{04}junk" + b + "!"),
        (std::vector<std::string>{"N@0+2", "P@2:" + aRaw, "N@14+5", "P@19:" + bRaw, "N@29+1"}));
    EXPECT_TRUE(split("").empty());
    EXPECT_EQ(split("no packet here"), std::vector<std::string>{"N@0+14"});
}

// A packet's first byte chooses its escapes, so an escaped SOH starts one and an escaped EOT
// ends it, also when the escape is split between two pieces.
TEST(FrameSplitter, EscapedPacketsEndAtTheirEscapedEot) {
    EXPECT_EQ(splitEveryWay("]!]!Z00]\"G 42]$_01Z00_02AA]X_04"),
              (std::vector<std::string>{"P@0:]!]!Z00]\"G 42]$", "P@15:_01Z00_02AA]X_04"}));
    // "]$" does not end a raw packet, and "_04" does not end a bracket one twice.
    EXPECT_EQ(splitEveryWay("{01}Z00{02}AA]$x{04}"),
              (std::vector<std::string>{std::string("P@0:\x01Z00\x02"
                                                    "AA]$x\x04")}));
}

// A new SOH after the STX means the packet was cut off; the end of the stream cuts off the
// last one; an EOT before any STX ends a packet without a command.
TEST(FrameSplitter, CutShortAndCommandlessPacketsAreSkipped) {
    EXPECT_EQ(splitEveryWay("{01}Z00{02}AAHEL{01}{01}Z00{02}AAHI{04}{01}Z00{02}AAWOR"),
              (std::vector<std::string>{"C@0+10",
                                        std::string("P@10:\x01\x01Z00\x02"
                                                    "AAHI\x04"),
                                        "C@21+10"}));
    EXPECT_EQ(splitEveryWay("{01}{01}Z00{04}{01}Z00{02}E,{04}"),
              (std::vector<std::string>{"N@0+6", std::string("P@6:\x01Z00\x02"
                                                             "E,\x04")}));
}

// A packet longer than the bound is passed over whole, without being kept, and the stream
// goes on after it.
TEST(FrameSplitter, PacketsBeyondTheBoundAreSkipped) {
    const std::string longText(100, 'x');
    const std::string stream = "{01}Z00{02}AA" + longText + "{04}{01}Z00{02}E,{04}";
    for (const std::size_t piece : {0, 1, 7}) {
        EXPECT_EQ(split(stream, piece, 32),
                  (std::vector<std::string>{"L@0+108", std::string("P@108:\x01Z00\x02"
                                                                   "E,\x04")}))
            << piece;
    }
    EXPECT_EQ(split("{01}Z00{02}AA" + longText, 5, 32), std::vector<std::string>{"L@0+107"});
}

}  // namespace
}  // namespace ztk::sim
