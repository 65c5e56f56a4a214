// SPDX-License-Identifier: MIT
// Splitting a byte stream into packets at their frames, whatever pieces it arrives in:
// garbage and broken headers skipped, packets cut short by a new header, packets beyond the
// bound let go of without being kept, and escaped frames only when asked for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpreter_testpackets.h"
#include "simcore/framesplitter.h"

namespace ztk::sim {
namespace {

using interpreter_test::bytes;

// "{01}" notation to the bytes as a string.
std::string raw(std::string_view text) {
    const auto b = bytes(text);
    return {b.begin(), b.end()};
}

std::string frame(const std::string& command, const std::string& address = "00") {
    return raw("{01}{01}{01}{01}{01}{01}Z") + address + '\x02' + command + '\x04';
}

// Every event as one word: "P@offset:bytes" for a packet, "N|C|L@offset+length" for bytes
// passed over as no packet, cut short or too long.
struct Events final : FrameSplitterEvents {
    void packet(const FramePacket& p) override {
        seen.push_back("P@" + std::to_string(p.offset) + ":" +
                       std::string(p.bytes.begin(), p.bytes.end()));
        addresses.emplace_back(p.address.data(), 2);
        commands += static_cast<char>(p.command);
    }
    void skipped(std::uint64_t offset, std::uint64_t length, SkippedKind kind) override {
        const char* k = kind == SkippedKind::NoPacket   ? "N"
                        : kind == SkippedKind::CutShort ? "C"
                                                        : "L";
        seen.push_back(k + ("@" + std::to_string(offset) + "+" + std::to_string(length)));
    }
    void packetTooLong(std::uint64_t offset) override { tooLongAt.push_back(offset); }
    std::vector<std::string> seen;
    std::vector<std::string> addresses;
    std::string commands;
    std::vector<std::uint64_t> tooLongAt;
};

struct Options {
    std::size_t piece = 0;  // 0: all at once
    std::size_t bound = 1u << 20;
    EscapedFrames escaped = EscapedFrames::Ignored;
};

// The events of `stream` fed in pieces; the splitter never holds more than its bound.
Events run(std::string_view stream, Options o = {}) {
    Events events;
    FrameSplitter splitter(events, o.bound, o.escaped);
    const std::size_t step = o.piece == 0 ? std::max<std::size_t>(stream.size(), 1) : o.piece;
    for (std::size_t at = 0; at < stream.size(); at += step) {
        const auto piece = stream.substr(at, step);
        splitter.feed({reinterpret_cast<const std::uint8_t*>(piece.data()), piece.size()});
        EXPECT_LE(splitter.buffered(), o.bound);
    }
    splitter.finish();
    EXPECT_EQ(splitter.buffered(), 0u);
    return events;
}

std::vector<std::string> split(std::string_view stream, Options o = {}) {
    return run(stream, o).seen;
}

// The same events for every way of cutting the stream into pieces of up to four bytes.
std::vector<std::string> splitEveryWay(std::string_view stream, Options o = {}) {
    const auto whole = split(stream, o);
    for (o.piece = 1; o.piece <= 4; ++o.piece)
        EXPECT_EQ(split(stream, o), whole) << "in pieces of " << o.piece;
    return whole;
}

TEST(FrameSplitter, PacketsAreFoundHoweverTheStreamIsCut) {
    const std::string text = frame("AA\x1b b HELLO");
    const std::string value = frame("G 42", "01");
    const std::string both = text + value;
    const Events once = run(both);
    EXPECT_EQ(once.seen, (std::vector<std::string>{
                             "P@0:" + text, "P@" + std::to_string(text.size()) + ":" + value}));
    EXPECT_EQ(once.addresses, (std::vector<std::string>{"00", "01"}));
    EXPECT_EQ(once.commands, "AG");
    // Cut once anywhere, inside the SOH run, the header or a body; and in pieces of seven.
    for (std::size_t cut = 1; cut < both.size(); ++cut) {
        Events events;
        FrameSplitter splitter(events, 1u << 20);
        const auto* data = reinterpret_cast<const std::uint8_t*>(both.data());
        splitter.feed({data, cut});
        splitter.feed({data + cut, both.size() - cut});
        ASSERT_EQ(events.seen, once.seen) << cut;
        EXPECT_EQ(splitter.buffered(), 0u);
        EXPECT_EQ(splitter.counts(), (SplitCounts{.packets = 2}));
    }
    EXPECT_EQ(split(both, {.piece = 7}), once.seen);

    // Bytes before, between and after packets are reported once per run, with where they
    // were; synchronising NULs before the SOH run belong to the packet.
    const std::string nul = raw("{00}{00}{01}Z00{02}E,{04}");
    EXPECT_EQ(
        splitEveryWay("xy" + text + "\x04junk" + nul + "!"),
        (std::vector<std::string>{"N@0+2", "P@2:" + text, "N@24+5", "P@29:" + nul, "N@39+1"}));
    EXPECT_TRUE(split("").empty());
    EXPECT_EQ(split("no packet here"), std::vector<std::string>{"N@0+14"});
}

// A header is a run of NULs and SOHs ending in an SOH, "Z", two address characters and STX;
// anything else is no packet, and the byte that broke it may begin the next header.
TEST(FrameSplitter, GarbageBrokenHeadersAndPacketsCutShort) {
    const std::string text = frame("AAok");
    const std::string lost = raw("{01}{01}Z00{02}AAlost");
    const Events e = run("noise" + raw("{01}Q{01}Z0") + lost + text + "\r\n" + text + "\x04tail");
    const std::string at = std::to_string(22 + text.size());
    EXPECT_EQ(e.seen,
              (std::vector<std::string>{"N@0+10", "C@10+12", "P@22:" + text, "N@" + at + "+2",
                                        "P@" + std::to_string(24 + text.size()) + ":" + text,
                                        "N@" + std::to_string(24 + 2 * text.size()) + "+5"}));
    EXPECT_EQ(splitEveryWay("noise" + raw("{01}Q{01}Z0") + lost + text + "\r\n" + text), [&] {
        auto s = e.seen;
        s.pop_back();
        return s;
    }());

    // Cut short by a new header and by the end of the stream; an EOT before the STX.
    EXPECT_EQ(
        splitEveryWay(raw("{01}Z00{02}AAHEL{01}{01}Z00{02}AAHI{04}{01}Z00{02}AAWOR")),
        (std::vector<std::string>{"C@0+10", "P@10:" + raw("{01}{01}Z00{02}AAHI{04}"), "C@21+10"}));
    EXPECT_EQ(splitEveryWay(raw("{01}{01}Z00{04}{01}Z00{02}E,{04}")),
              (std::vector<std::string>{"N@0+6", "P@6:" + raw("{01}Z00{02}E,{04}")}));
    // No SOH right before "Z", or an address byte that is no character: no packet.
    EXPECT_EQ(split(raw("{01}{00}Z00{02}E,{04}{01}Z0{0D}{02}E,{04}")),
              std::vector<std::string>{"N@0+17"});

    // An SOH in a body that does not open a whole header stays part of the packet.
    const std::string odd = frame(raw("AAa{01}b{01}Zx{01}{01}Z0"));
    EXPECT_EQ(splitEveryWay(odd), std::vector<std::string>{"P@0:" + odd});

    // After the end of a stream the splitter starts clean.
    Events events;
    FrameSplitter splitter(events, 1u << 20);
    const std::string cut = raw("{01}Z00{02}AAcut");
    splitter.feed({reinterpret_cast<const std::uint8_t*>(cut.data()), cut.size()});
    EXPECT_EQ(splitter.buffered(), cut.size());
    splitter.finish();
    splitter.feed({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    EXPECT_EQ(events.seen, (std::vector<std::string>{"C@0+10", "P@0:" + text}));
    EXPECT_EQ(splitter.counts(),
              (SplitCounts{.packets = 1, .skippedBytes = 10, .cutShort = 1, .tooLong = 0}));
}

// A packet's first byte chooses its escapes, so an escaped SOH starts one and an escaped EOT
// ends it, also when the escape is split between two pieces; a link's stream holds raw frames
// only, so unless asked for escaped frames are no packet.
TEST(FrameSplitter, EscapedFramesOnlyWhenAskedFor) {
    const std::string escaped = "]!]!Z00]\"G 42]$_01Z00_02AA]X_04";
    const Events found = run(escaped, {.escaped = EscapedFrames::Found});
    EXPECT_EQ(found.seen,
              (std::vector<std::string>{"P@0:]!]!Z00]\"G 42]$", "P@15:_01Z00_02AA]X_04"}));
    EXPECT_EQ(found.commands, "GA");
    EXPECT_EQ(splitEveryWay(escaped, {.escaped = EscapedFrames::Found}), found.seen);
    EXPECT_EQ(split(escaped), std::vector<std::string>{"N@0+31"});

    // "]$" does not end a raw packet, and a raw header cuts an escaped packet short.
    const std::string rawText = raw("{01}Z00{02}AA]$x{04}");
    EXPECT_EQ(splitEveryWay(rawText, {.escaped = EscapedFrames::Found}),
              std::vector<std::string>{"P@0:" + rawText});
    EXPECT_EQ(splitEveryWay("]!Z00]\"AAab" + rawText, {.escaped = EscapedFrames::Found}),
              (std::vector<std::string>{"C@0+11", "P@11:" + rawText}));
    // A packet of exactly the bound cut short by an escaped header whose SOH arrives in two
    // pieces was never too long.
    const Events atBound = run("]!Z00]\"AA" + std::string(23, 'x') + "]!Z00]\"G 1]$",
                               {.piece = 1, .bound = 32, .escaped = EscapedFrames::Found});
    EXPECT_EQ(atBound.seen, (std::vector<std::string>{"C@0+32", "P@32:]!Z00]\"G 1]$"}));
    EXPECT_TRUE(atBound.tooLongAt.empty());
}

// A packet longer than the bound is passed over whole, without being kept, and the stream
// goes on after it; a packet of exactly the bound is kept.
TEST(FrameSplitter, PacketsBeyondTheBoundAreSkipped) {
    const std::string longText = raw("{01}Z00{02}AA") + std::string(100, 'x');
    const std::string next = raw("{01}Z00{02}E,{04}");
    for (const std::size_t piece : {0, 1, 7}) {
        EXPECT_EQ(split(longText + "\x04" + next, {.piece = piece, .bound = 32}),
                  (std::vector<std::string>{"L@0+108", "P@108:" + next}))
            << piece;
    }
    EXPECT_EQ(split(longText, {.piece = 5, .bound = 32}), std::vector<std::string>{"L@0+107"});

    const std::string fits = frame(std::string(32 - 11, 'y'));
    ASSERT_EQ(fits.size(), 32u);
    const std::string over = frame(std::string(22, 'z'));
    EXPECT_EQ(splitEveryWay(fits + over + fits, {.bound = 32}),
              (std::vector<std::string>{"P@0:" + fits, "L@32+33", "P@65:" + fits}));

    // Long runs of SOH bytes, before a packet and inside one, are kept short: the packet
    // after them still arrives, with the last bytes of its run.
    const std::string run100 = std::string(100, '\x01');
    const auto before = split(run100 + "Z00\x02G x\x04", {.piece = 1, .bound = 32});
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[0].substr(0, 4), "N@0+");
    EXPECT_EQ(split(run100 + "Z00\x02G x\x04", {.bound = 32}), before);
    const std::string body = raw("{01}Z00{02}AAab") + run100 + "Z00\x02G x\x04";
    const auto inside = split(body, {.bound = 32});
    ASSERT_EQ(inside.size(), 2u);
    EXPECT_EQ(inside[0].substr(0, 4), "L@0+");
    EXPECT_TRUE(inside[1].ends_with("\x01Z00\x02G x\x04"));
    EXPECT_EQ(split(body, {.piece = 1, .bound = 32}), inside);
}

TEST(FrameSplitter, AGigabyteWithoutAFrameEndStaysWithinTheBound) {
    constexpr std::size_t kBound = 1u << 20;
    Events events;
    FrameSplitter splitter(events, kBound);
    const std::string head = raw("{01}{01}{01}{01}{01}{01}Z00{02}AA");
    splitter.feed({reinterpret_cast<const std::uint8_t*>(head.data()), head.size()});
    // 1 GiB in pieces of 1 MiB, never held at once: the splitter holds at most its bound.
    const std::vector<std::uint8_t> piece(1u << 20, 'x');
    std::size_t largest = 0;
    for (int i = 0; i < 1024; ++i) {
        splitter.feed(piece);
        largest = std::max(largest, splitter.buffered());
    }
    EXPECT_LE(largest, kBound);
    EXPECT_EQ(events.tooLongAt, std::vector<std::uint64_t>{0});
    EXPECT_TRUE(events.seen.empty());
    // Its EOT ends it; the packet after it arrives.
    const std::string after = "\x04" + frame("AAafter");
    splitter.feed({reinterpret_cast<const std::uint8_t*>(after.data()), after.size()});
    const std::uint64_t length = head.size() + (std::uint64_t{1} << 30) + 1;
    EXPECT_EQ(events.seen,
              (std::vector<std::string>{"L@0+" + std::to_string(length),
                                        "P@" + std::to_string(length) + ":" + after.substr(1)}));
    EXPECT_EQ(splitter.counts(),
              (SplitCounts{.packets = 1, .skippedBytes = length, .cutShort = 0, .tooLong = 1}));
}

}  // namespace
}  // namespace ztk::sim
