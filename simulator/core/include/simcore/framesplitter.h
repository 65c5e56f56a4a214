// SPDX-License-Identifier: MIT
#pragma once
// Splits a byte stream that carries packets back to back, as a serial line or a TCP
// connection does, into whole packets at their frames, so that each can be handed to the
// interpreter as the control hands over one packet.
//
// A frame opens with a run of synchronising bytes (NULs and SOHs, the last of them an SOH),
// then "Z", the two address characters and STX; it ends at the first EOT after its STX.
// Bytes outside a frame are no packet. An SOH in a packet's body that opens a whole new
// header means the packet was cut short and a new one begins there; an SOH that does not
// stays part of the body. A packet longer than the bound is let go of as it arrives and
// skipped at its end, so the splitter never holds more than the bound. The bytes may arrive
// in pieces of any size; the outcome is the same for every way of cutting the stream.
//
// On a link every frame is written raw. Packets handed over one at a time may be escaped
// instead (the first byte chooses the escapes, as for the interpreter); a reader of such
// packets can ask for escaped frames to be found too.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "simcore/escapemode.h"

namespace ztk::sim {

// Why bytes of the stream were passed over.
enum class SkippedKind {
    NoPacket,  // bytes outside any frame, or a header that broke off before its STX
    CutShort,  // a packet that a new header or the end of the stream cut off before its EOT
    TooLong,   // a packet longer than the bound
};

// One whole packet found in the stream.
struct FramePacket {
    // From its first synchronising byte to its EOT, as sent (still escaped); valid during
    // the call that reports it only.
    std::span<const std::uint8_t> bytes;
    std::uint64_t offset = 0;  // stream offset of its first byte
    std::array<char, 2> address{};
    // The command byte after STX ("A" text file, "G" string file, ...); EOT when none.
    std::uint8_t command = 0;
};

class FrameSplitterEvents {
  public:
    virtual ~FrameSplitterEvents() = default;
    virtual void packet(const FramePacket& packet) = 0;
    // `length` bytes from stream offset `offset` passed over.
    virtual void skipped(std::uint64_t offset, std::uint64_t length, SkippedKind kind) {
        (void)offset, (void)length, (void)kind;
    }
    // The packet from stream offset `offset` has grown past the bound and a piece ended
    // before it did: it is let go of from now on, and reported as TooLong when it ends. Told
    // at most once per packet.
    virtual void packetTooLong(std::uint64_t offset) { (void)offset; }
};

struct SplitCounts {
    std::uint64_t packets = 0;       // whole packets reported
    std::uint64_t skippedBytes = 0;  // bytes that were in no reported packet
    std::uint64_t cutShort = 0;      // packets cut short
    std::uint64_t tooLong = 0;       // packets longer than the bound
    friend bool operator==(const SplitCounts&, const SplitCounts&) = default;
};

// Whether frames written with the escapes of a handed-over packet are found as well.
enum class EscapedFrames { Ignored, Found };

class FrameSplitter {
  public:
    // The smallest bound taken: any header fits well within it.
    static constexpr std::size_t kMinPacketBytes = 32;

    // `maxPacketBytes`: the longest packet kept (at least kMinPacketBytes); it is also the
    // most the splitter ever holds between two pieces.
    FrameSplitter(FrameSplitterEvents& events, std::size_t maxPacketBytes,
                  EscapedFrames escaped = EscapedFrames::Ignored);

    // The next bytes of the stream; reports every packet and skipped run they complete.
    // The events must not feed this splitter.
    void feed(std::span<const std::uint8_t> bytes);
    // The end of the stream: the packet in progress is cut short, what is left is no packet.
    // The splitter is then ready for a new stream, whose offsets count from 0 again.
    void finish();

    const SplitCounts& counts() const { return counts_; }
    // Bytes held between pieces; never more than the bound.
    std::size_t buffered() const { return buffer_.size(); }
    std::size_t maxPacketBytes() const { return maxBytes_; }

  private:
    enum class Match { NeedMore, Complete, Failed };
    // A frame header being read: where it starts and how far it got, in pending offsets.
    struct Header {
        std::size_t start = 0;
        EscapeMode mode = EscapeMode::Raw;
        std::size_t scan = 0;  // the next element to read; the failing one after Failed
        int stage = 0;         // 0 synchronising run, 1-2 address, 3 STX
        bool lastSoh = false;
        std::array<char, 2> address{};
    };
    enum class Phase { Idle, Header, Body };

    void process(bool atEnd);
    // Outside a frame: true when a frame starts at the first pending byte.
    bool findStart(bool atEnd);
    // In a packet's header: true when it completed or turned out to be no header.
    bool readHeader(bool atEnd);
    // In a packet's body: true when the packet ended (or was cut short).
    bool scanBody(bool atEnd);
    // Reads on in `header`; a long synchronising run moves its start to a later byte.
    Match matchHeader(Header& header, bool atEnd) const;
    void startHeader(Header& header, std::size_t at) const;
    void endPacket(std::size_t length, bool whole);
    // Lets go of the first `count` bytes of a packet too long to keep.
    void dropBytes(std::size_t count);
    void passOver(std::size_t count);
    void flushGarbage();
    void reportSkipped(std::uint64_t offset, std::uint64_t length, SkippedKind kind);
    EscapeMode modeAt(std::size_t at) const;
    // The bytes not yet consumed.
    std::span<const std::uint8_t> pending() const { return view_.subspan(begin_); }
    void consume(std::size_t count);

    FrameSplitterEvents& events_;
    std::size_t maxBytes_;
    std::size_t maxSyncRun_;
    bool escaped_;

    std::vector<std::uint8_t> buffer_;    // bytes kept between pieces
    std::span<const std::uint8_t> view_;  // during a call: the bytes being read
    std::size_t begin_ = 0;               // first pending byte of view_
    std::uint64_t offset_ = 0;            // stream offset of the first pending byte

    Phase phase_ = Phase::Idle;
    Header header_;                   // the packet's own header
    std::uint64_t packetOffset_ = 0;  // stream offset of the packet's first byte
    std::size_t commandAt_ = 0;       // pending offset of the element after STX
    std::size_t scan_ = 0;            // next body element to read
    std::uint64_t droppedBytes_ = 0;  // bytes of a too-long packet already let go
    bool toldTooLong_ = false;
    bool restarting_ = false;  // an SOH in the body may open a new header
    Header restart_;

    std::uint64_t garbageOffset_ = 0;
    std::uint64_t garbageLength_ = 0;
    SplitCounts counts_;
};

// 842 when the packet writes a string file (its first command, after the STX, is "G"; the
// packet's escaping is undone first), 586 otherwise.
int packetKind(std::span<const std::uint8_t> packet);

}  // namespace ztk::sim
