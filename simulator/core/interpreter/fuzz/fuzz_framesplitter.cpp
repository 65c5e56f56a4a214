// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the frame splitter, whole and in pieces, with a small bound, raw
// frames only or escaped ones too, and checks that every byte is accounted for once, in
// order; that each packet is a whole frame within the bound whose address and command are
// the ones it carries; that the splitter never holds more than the bound; that its counts
// agree with what it reported; and that the pieces do not change the outcome.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "simcore/bytedecoder.h"
#include "simcore/framesplitter.h"

namespace {

using namespace ztk::sim;

// Aborts, saying which check failed, so that a crash report points at the broken promise.
void check(bool condition, int line) {
    if (condition) return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}
#define require(condition) check(condition, __LINE__)

struct Event {
    std::uint64_t offset;
    std::uint64_t length;
    int kind;  // -1 for a packet
    bool operator==(const Event&) const = default;
};

struct Checker final : FrameSplitterEvents {
    Checker(std::size_t bound, bool escaped) : bound(bound), escaped(escaped) {}

    void packet(const FramePacket& p) override {
        const auto bytes = p.bytes;
        require(!bytes.empty() && bytes.size() <= bound);
        ByteDecoder in(bytes, escaped ? escapeModeOf(bytes[0]) : EscapeMode::Raw);
        // The synchronising run, its last byte an SOH, then "Z", the address and STX.
        std::optional<std::uint8_t> b = in.next();
        std::uint8_t last = 0;
        while (b && (*b == 0x00 || *b == 0x01)) {
            last = *b;
            b = in.next();
        }
        require(last == 0x01 && b == 'Z');
        require(in.next() == static_cast<std::uint8_t>(p.address[0]));
        require(in.next() == static_cast<std::uint8_t>(p.address[1]));
        require(p.address[0] >= 0x20 && p.address[0] <= 0x7E);
        require(p.address[1] >= 0x20 && p.address[1] <= 0x7E);
        require(in.next() == 0x02);
        const std::size_t commandAt = in.position();
        std::optional<std::uint8_t> command;
        bool ended = false;
        while (auto c = in.next()) {
            if (!command) command = c;
            if (*c == 0x04) {
                ended = in.atEnd();  // the first EOT ends the packet
                break;
            }
        }
        require(ended && command == p.command && commandAt < bytes.size());
        add({p.offset, bytes.size(), -1});
    }
    void skipped(std::uint64_t offset, std::uint64_t length, SkippedKind kind) override {
        require(length > 0);
        require((kind == SkippedKind::TooLong) == (length > bound) ||
                kind == SkippedKind::NoPacket);
        add({offset, length, static_cast<int>(kind)});
    }
    void packetTooLong(std::uint64_t offset) override {
        require(offset >= position);  // the packet in progress
        require(tooLongTold.empty() || tooLongTold.back() != offset);
        tooLongTold.push_back(offset);
    }
    void add(const Event& e) {
        require(e.offset == position);
        position += e.length;
        events.push_back(e);
    }

    std::size_t bound;
    bool escaped;
    std::uint64_t position = 0;
    std::vector<Event> events;
    std::vector<std::uint64_t> tooLongTold;
};

std::vector<Event> run(std::span<const std::uint8_t> stream, std::size_t piece, std::size_t bound,
                       bool escaped) {
    Checker checker(bound, escaped);
    FrameSplitter splitter(checker, bound, escaped ? EscapedFrames::Found : EscapedFrames::Ignored);
    for (std::size_t at = 0; at < stream.size(); at += piece) {
        splitter.feed(stream.subspan(at, std::min(piece, stream.size() - at)));
        require(splitter.buffered() <= bound);
    }
    splitter.finish();
    require(splitter.buffered() == 0);
    require(checker.position == stream.size());

    // The counts say what the events said.
    SplitCounts counted;
    for (const Event& e : checker.events) {
        if (e.kind < 0) {
            ++counted.packets;
            continue;
        }
        counted.skippedBytes += e.length;
        if (e.kind == static_cast<int>(SkippedKind::CutShort)) ++counted.cutShort;
        if (e.kind == static_cast<int>(SkippedKind::TooLong)) ++counted.tooLong;
    }
    require(splitter.counts() == counted);
    // Only a packet that turns out too long is told as growing past the bound.
    for (const std::uint64_t offset : checker.tooLongTold) {
        require(std::any_of(checker.events.begin(), checker.events.end(), [&](const Event& e) {
            return e.offset == offset && e.kind == static_cast<int>(SkippedKind::TooLong);
        }));
    }
    return checker.events;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first byte picks the piece size, the second the bound and whether escaped frames
    // are found.
    const std::size_t piece = 1 + data[0] % 41;
    const std::size_t bound = FrameSplitter::kMinPacketBytes + (data[1] >> 1);
    const bool escaped = data[1] & 1;
    const std::span<const std::uint8_t> stream(data + 2, size - 2);
    require(run(stream, piece, bound, escaped) ==
            run(stream, std::max<std::size_t>(stream.size(), 1), bound, escaped));
    return 0;
}
