#pragma once
// PacketSplitter: finds Orvex packets in a byte stream (a TCP connection, a serial line).
// A packet is a frame: a run of SOH (0x01) bytes, the type code "Z", two address
// characters, STX (0x02), the command and its data, and EOT (0x04). A stream may carry
// many packets, and a packet may arrive in pieces, so the splitter keeps the unfinished
// frame in a buffer of its own, bounded by `maxPacketBytes`. Bytes outside a frame are
// skipped; a frame that is left unfinished when a new frame header arrives is dropped, so a
// sender that lost an EOT does not spoil the packet after it; a frame that grows past the
// bound is dropped and the stream resynchronises at the next frame header.
//
// Standard C++ only, so that any program (and a fuzzer) can use it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace ztk::simapp {

// The largest packet taken from a stream by default: far beyond anything a sign's memory
// holds, and small enough that many connections at once stay cheap.
inline constexpr std::size_t kMaxStreamPacketBytes = 1u << 20;

// One packet found in a stream. `bytes` runs from the first SOH to the EOT and is valid only
// during the call that reports it.
struct StreamPacket {
    std::span<const std::uint8_t> bytes;
    std::array<char, 2> address{};
    // The byte after STX ("A" text file, "G" string file, ...); 0x04 when there is none.
    std::uint8_t command = 0;
};

struct SplitterCounts {
    std::uint64_t packets = 0;          // packets passed on
    std::uint64_t garbageBytes = 0;     // bytes that were not part of a packet passed on
    std::uint64_t brokenFrames = 0;     // frames dropped unfinished: a new header came first
    std::uint64_t oversizePackets = 0;  // frames dropped for growing past the bound
    friend bool operator==(const SplitterCounts&, const SplitterCounts&) = default;
};

class PacketSplitter {
  public:
    using PacketHandler = std::function<void(const StreamPacket&)>;

    explicit PacketSplitter(std::size_t maxPacketBytes = kMaxStreamPacketBytes);

    // Reads `bytes`, calling `onPacket` for every packet completed by them, in stream order.
    // The handler must not feed this splitter.
    void feed(std::span<const std::uint8_t> bytes, const PacketHandler& onPacket);
    // The stream ended: an unfinished frame is dropped.
    void finish();

    const SplitterCounts& counts() const { return counts_; }
    // Bytes held for the unfinished frame; never more than the bound.
    std::size_t buffered() const { return buffer_.size(); }
    std::size_t maxPacketBytes() const { return maxPacketBytes_; }

  private:
    // Follows a frame header byte by byte: SOH..., "Z", two address characters, STX.
    class HeaderMatcher {
      public:
        enum class Result { More, Complete, Failed };
        // Begins after a first SOH.
        void start() { stage_ = 0; }
        Result next(std::uint8_t byte);
        // Still in the run of SOH bytes that opens the header.
        bool inSohRun() const { return stage_ == 0; }
        std::array<char, 2> address() const { return address_; }

      private:
        int stage_ = 0;
        std::array<char, 2> address_{};
    };

    enum class State { Idle, Header, Body };

    std::size_t skipIdle(std::span<const std::uint8_t> bytes);
    // Consumes bytes of the frame body up to the next special byte; returns how many.
    std::size_t appendBody(std::span<const std::uint8_t> bytes);
    // Takes one SOH or EOT of the body, or any byte while a new header may be starting;
    // false when the byte was not taken (the frame was dropped before it).
    bool bodyByte(std::uint8_t byte, const PacketHandler& onPacket);
    void deliver(const PacketHandler& onPacket);
    void dropFrame();
    void releaseBuffer();
    void beginHeader(std::uint8_t soh);

    std::size_t maxPacketBytes_;
    std::size_t maxSohRun_;
    std::vector<std::uint8_t> buffer_;
    State state_ = State::Idle;
    HeaderMatcher header_;
    std::array<char, 2> address_{};
    std::size_t bodyStart_ = 0;  // index of the first byte after STX
    // A header seen inside the body, that may start a new frame.
    bool restarting_ = false;
    std::size_t restartAt_ = 0;
    HeaderMatcher restart_;
    SplitterCounts counts_;
};

}  // namespace ztk::simapp
