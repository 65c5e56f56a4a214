#pragma once
// Splits a byte stream that carries packets back to back, as a serial line or a TCP
// connection does, into whole packets at their frame boundaries, so that each can be handed
// to the interpreter as the control hands over one packet.
//
// A packet starts at a synchronising byte (NUL or SOH, written raw or escaped as "] " "]!"
// "_00" "_01"); that first byte chooses its escape mode, as for the interpreter. It ends at
// the first EOT after its STX. Bytes before a start are no packet; an SOH after the STX
// means the packet was cut short and a new one begins there. Fed in pieces of any size; only
// the packet in progress is kept between pieces, up to a bound.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "simcore/escapemode.h"

namespace ztk::sim {

// Why bytes of the stream were passed over.
enum class SkippedKind {
    NoPacket,  // bytes outside any packet (or a packet with no STX before its EOT)
    CutShort,  // a packet that a new packet or the end of the stream cut off before its EOT
    TooLong,   // a packet longer than the bound
};

class FrameSplitterEvents {
  public:
    virtual ~FrameSplitterEvents() = default;
    // One whole packet, as sent (still escaped), starting at stream offset `offset`. The
    // bytes are valid during the call only.
    virtual void packet(std::span<const std::uint8_t> bytes, std::uint64_t offset) = 0;
    // `length` bytes from stream offset `offset` passed over.
    virtual void skipped(std::uint64_t offset, std::uint64_t length, SkippedKind kind) = 0;
};

class FrameSplitter {
  public:
    // The longest packet kept; a longer one is passed over as TooLong.
    static constexpr std::size_t kDefaultMaxPacketBytes = std::size_t{16} << 20;

    explicit FrameSplitter(FrameSplitterEvents& events,
                           std::size_t maxPacketBytes = kDefaultMaxPacketBytes);

    // The next bytes of the stream; reports every packet and skipped run they complete.
    void feed(std::span<const std::uint8_t> bytes);
    // The end of the stream: reports the packet in progress as cut short, and garbage left.
    void finish();

  private:
    void process(bool atEnd);
    // In a packet: decodes on from scan_; true when the packet ended (or was cut short).
    bool scanPacket(bool atEnd);
    // Outside a packet: true when a packet starts at the first pending byte; false when
    // every pending byte was passed over or more bytes are needed to tell.
    bool findStart(bool atEnd);
    void endPacket(std::size_t length, bool whole);
    void passOver(std::size_t count);
    void flushGarbage();
    // The bytes not yet consumed.
    std::span<const std::uint8_t> pending() const { return std::span(buffer_).subspan(begin_); }
    void consume(std::size_t count);

    FrameSplitterEvents& events_;
    std::size_t maxBytes_;
    std::vector<std::uint8_t> buffer_;  // pending bytes start at begin_
    std::size_t begin_ = 0;
    std::uint64_t offset_ = 0;  // stream offset of the first pending byte

    bool inPacket_ = false;
    EscapeMode mode_ = EscapeMode::Raw;
    bool sawStx_ = false;
    std::size_t scan_ = 0;            // next pending byte of the packet to decode
    std::uint64_t packetOffset_ = 0;  // stream offset of the packet's first byte
    std::uint64_t droppedBytes_ = 0;  // bytes of a too-long packet already let go

    std::uint64_t garbageOffset_ = 0;
    std::uint64_t garbageLength_ = 0;
};

// 842 when the packet writes a string file (its first command, after the STX, is "G"; the
// packet's escaping is undone first), 586 otherwise.
int packetKind(std::span<const std::uint8_t> packet);

}  // namespace ztk::sim
