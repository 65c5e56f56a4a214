// SPDX-License-Identifier: MIT
#include "simcore/framesplitter.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "simcore/bytedecoder.h"
#include "simcore/interpreter.h"

namespace ztk::sim {
namespace {

constexpr std::uint8_t kNul = 0x00;
constexpr std::uint8_t kSoh = 0x01;
constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kEot = 0x04;
// A synchronising run longer than this restarts its header at its latest byte: a longer run
// says nothing more and would only take buffer.
constexpr std::size_t kMaxSyncRun = 64;
// Between pieces the buffer keeps at most this much spare memory, so that many quiet streams
// do not each hold the largest piece they once carried.
constexpr std::size_t kKeptCapacity = 64 * 1024;

bool isSync(std::uint8_t b) {
    return b == kNul || b == kSoh;
}

// One element of a packet: a plain byte or an escape, decoded.
struct Element {
    std::optional<std::uint8_t> byte;  // nothing for an escape cut short by the end
    std::size_t length = 1;            // raw bytes it takes
};

// The element at `at` in `mode`; nothing when it may go on past the bytes at hand.
std::optional<Element> elementAt(std::span<const std::uint8_t> bytes, std::size_t at,
                                 EscapeMode mode, bool atEnd) {
    const std::uint8_t b = bytes[at];
    const std::size_t need = mode == EscapeMode::Bracket && b == ']' ? 2
                             : mode != EscapeMode::Raw && b == '_'   ? 3
                                                                     : 1;
    const std::size_t have = std::min(need, bytes.size() - at);
    if (have < need && !atEnd) return std::nullopt;
    ByteDecoder in(bytes.subspan(at, have), mode);
    const auto decoded = in.next();
    return Element{decoded, in.position()};
}

// Offset of the first `a` or `b` in `bytes`, or its size. Looks in windows of growing size,
// so that many hits close together in a long run still cost linear time.
std::size_t findEither(std::span<const std::uint8_t> bytes, std::uint8_t a, std::uint8_t b) {
    std::size_t at = 0;
    std::size_t window = 64;
    while (at < bytes.size()) {
        const std::uint8_t* p = bytes.data() + at;
        std::size_t length = std::min(window, bytes.size() - at);
        const void* foundA = std::memchr(p, a, length);
        if (foundA) length = static_cast<const std::uint8_t*>(foundA) - p;
        if (const void* foundB = std::memchr(p, b, length))
            return at + (static_cast<const std::uint8_t*>(foundB) - p);
        if (foundA) return at + length;
        at += length;
        window *= 2;
    }
    return bytes.size();
}

// The first byte from `from` on that may begin a frame.
std::size_t nextStart(std::span<const std::uint8_t> bytes, std::size_t from, bool escaped) {
    if (!escaped) return from + findEither(bytes.subspan(from), kNul, kSoh);
    while (from < bytes.size() && !isSync(bytes[from]) && bytes[from] != ']' && bytes[from] != '_')
        ++from;
    return from;
}

// The first byte from `from` on that may be or begin an SOH or EOT in a packet of `mode`.
std::size_t nextSpecial(std::span<const std::uint8_t> bytes, std::size_t from, EscapeMode mode) {
    if (mode == EscapeMode::Raw) return from + findEither(bytes.subspan(from), kSoh, kEot);
    for (; from < bytes.size(); ++from) {
        const std::uint8_t b = bytes[from];
        if (b == kSoh || b == kEot || b == '_' || (b == ']' && mode == EscapeMode::Bracket)) break;
    }
    return from;
}

}  // namespace

FrameSplitter::FrameSplitter(FrameSplitterEvents& events, std::size_t maxPacketBytes,
                             EscapedFrames escaped)
    : events_(events),
      maxBytes_(std::max(maxPacketBytes, kMinPacketBytes)),
      maxSyncRun_(std::min(kMaxSyncRun, maxBytes_ / 2)),
      escaped_(escaped == EscapedFrames::Found) {}

void FrameSplitter::feed(std::span<const std::uint8_t> bytes) {
    // With nothing kept, the piece is read where it lies and only its unfinished end is kept.
    const bool direct = buffer_.empty();
    if (!direct) buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    view_ = direct ? bytes : std::span<const std::uint8_t>(buffer_);
    begin_ = 0;
    process(false);
    if (direct) {
        buffer_.assign(view_.begin() + static_cast<std::ptrdiff_t>(begin_), view_.end());
    } else {
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(begin_));
    }
    view_ = {};
    begin_ = 0;
    if (buffer_.capacity() > kKeptCapacity && buffer_.size() <= kKeptCapacity / 2)
        std::vector<std::uint8_t>(buffer_).swap(buffer_);
}

void FrameSplitter::finish() {
    view_ = buffer_;
    begin_ = 0;
    process(true);
    if (phase_ == Phase::Body) endPacket(pending().size(), false);
    passOver(pending().size());
    flushGarbage();
    buffer_ = {};
    view_ = {};
    begin_ = 0;
    offset_ = 0;
    phase_ = Phase::Idle;
}

void FrameSplitter::process(bool atEnd) {
    for (;;) {
        bool goOn = false;
        switch (phase_) {
            case Phase::Idle:
                goOn = findStart(atEnd);
                break;
            case Phase::Header:
                goOn = readHeader(atEnd);
                break;
            case Phase::Body:
                goOn = scanBody(atEnd);
                break;
        }
        if (!goOn) return;
    }
}

bool FrameSplitter::findStart(bool atEnd) {
    const auto bytes = pending();
    for (std::size_t at = 0;; ++at) {
        at = nextStart(bytes, at, escaped_);
        const auto element =
            at < bytes.size() ? elementAt(bytes, at, modeAt(at), atEnd) : std::optional<Element>();
        if (!element) {
            passOver(at);  // at the end, or the rest of a possible escape is still to come
            return false;
        }
        if (element->byte && isSync(*element->byte)) {
            passOver(at);
            startHeader(header_, 0);
            phase_ = Phase::Header;
            return true;
        }
    }
}

void FrameSplitter::startHeader(Header& header, std::size_t at) const {
    header = Header{};
    header.start = at;
    header.scan = at;
    header.mode = modeAt(at);
}

bool FrameSplitter::readHeader(bool atEnd) {
    const Match match = matchHeader(header_, atEnd);
    if (const std::size_t trimmed = header_.start; trimmed > 0) {
        // The first bytes of a long synchronising run are no packet.
        passOver(trimmed);
        header_.start = 0;
        header_.scan -= trimmed;
    }
    switch (match) {
        case Match::NeedMore:
            return false;
        case Match::Failed:
            // Not a frame after all; the failing byte may begin the next one.
            passOver(header_.scan);
            phase_ = Phase::Idle;
            return true;
        case Match::Complete:
            break;
    }
    packetOffset_ = offset_;
    commandAt_ = scan_ = header_.scan;
    droppedBytes_ = 0;
    toldTooLong_ = false;
    restarting_ = false;
    phase_ = Phase::Body;
    return true;
}

FrameSplitter::Match FrameSplitter::matchHeader(Header& h, bool atEnd) const {
    const auto bytes = pending();
    while (h.scan < bytes.size()) {
        const std::size_t at = h.scan;
        const auto element = elementAt(bytes, at, h.mode, atEnd);
        if (!element) return Match::NeedMore;
        if (!element->byte) return Match::Failed;
        const std::uint8_t b = *element->byte;
        if (h.stage == 0 && isSync(b)) {
            if (at - h.start > maxSyncRun_) {
                // The header restarts at this byte, in the escapes it chooses.
                h.start = at;
                h.mode = modeAt(at);
            }
            h.lastSoh = b == kSoh;
            h.scan = at + element->length;
            continue;
        }
        const bool fits = h.stage == 0  ? b == 'Z' && h.lastSoh
                          : h.stage < 3 ? b >= 0x20 && b <= 0x7E
                                        : b == kStx;
        if (!fits) return Match::Failed;
        if (h.stage == 1 || h.stage == 2) h.address[h.stage - 1] = static_cast<char>(b);
        h.scan = at + element->length;
        if (h.stage++ == 3) return Match::Complete;
    }
    return atEnd ? Match::Failed : Match::NeedMore;
}

bool FrameSplitter::scanBody(bool atEnd) {
    const auto bytes = pending();
    const EscapeMode mode = header_.mode;
    for (;;) {
        if (restarting_) {
            const Match match = matchHeader(restart_, atEnd);
            if (match == Match::NeedMore) break;
            if (match == Match::Complete) {
                // A whole header inside the body: the packet before it never got its EOT.
                endPacket(restart_.start, false);
                return true;
            }
            restarting_ = false;
            // Not a header: its bytes are body. In a raw packet an SOH after this one would
            // fail at the same byte, so reading goes on there; in an escaped one a later SOH
            // may open a header in other escapes, so reading goes on after this SOH.
            scan_ = mode == EscapeMode::Raw
                        ? restart_.scan
                        : restart_.start + elementAt(bytes, restart_.start, mode, true)->length;
        }
        const std::size_t at = nextSpecial(bytes, scan_, mode);
        const auto element =
            at < bytes.size() ? elementAt(bytes, at, mode, atEnd) : std::optional<Element>();
        if (!element) {
            scan_ = at;
            break;
        }
        scan_ = at + element->length;
        if (element->byte == kEot) {
            endPacket(scan_, true);
            return true;
        }
        if (element->byte == kSoh) {
            startHeader(restart_, at);
            restarting_ = true;
        }
    }
    // The bytes read, up to a possible new header, surely belong to this packet (an escape
    // still cut off may be the SOH of a new header).
    const std::size_t own = restarting_ ? restart_.start : scan_;
    if (!toldTooLong_ && droppedBytes_ + own > maxBytes_) {
        toldTooLong_ = true;
        events_.packetTooLong(packetOffset_);
    }
    // Past the bound this packet can no longer be reported whole: let go of what was read.
    if (droppedBytes_ > 0 || bytes.size() > maxBytes_) dropBytes(own);
    return false;
}

void FrameSplitter::dropBytes(std::size_t count) {
    droppedBytes_ += count;
    consume(count);
    if (restarting_) {
        restart_.start -= count;
        restart_.scan -= count;
    }
    scan_ = scan_ > count ? scan_ - count : 0;
}

void FrameSplitter::endPacket(std::size_t length, bool whole) {
    flushGarbage();
    const std::uint64_t total = droppedBytes_ + length;
    if (total > maxBytes_) {
        ++counts_.tooLong;
        reportSkipped(packetOffset_, total, SkippedKind::TooLong);
    } else if (whole && droppedBytes_ == 0) {
        FramePacket packet;
        packet.bytes = pending().first(length);
        packet.offset = packetOffset_;
        packet.address = header_.address;
        packet.command =
            elementAt(packet.bytes, commandAt_, header_.mode, true)->byte.value_or(kEot);
        ++counts_.packets;
        events_.packet(packet);
    } else {
        ++counts_.cutShort;
        reportSkipped(packetOffset_, total, SkippedKind::CutShort);
    }
    consume(length);
    phase_ = Phase::Idle;
    restarting_ = false;
    droppedBytes_ = 0;
}

void FrameSplitter::passOver(std::size_t count) {
    if (count == 0) return;
    if (garbageLength_ == 0) garbageOffset_ = offset_;
    garbageLength_ += count;
    consume(count);
}

void FrameSplitter::flushGarbage() {
    if (garbageLength_ > 0) reportSkipped(garbageOffset_, garbageLength_, SkippedKind::NoPacket);
    garbageLength_ = 0;
}

void FrameSplitter::reportSkipped(std::uint64_t offset, std::uint64_t length, SkippedKind kind) {
    counts_.skippedBytes += length;
    events_.skipped(offset, length, kind);
}

EscapeMode FrameSplitter::modeAt(std::size_t at) const {
    return escaped_ ? escapeModeOf(pending()[at]) : EscapeMode::Raw;
}

void FrameSplitter::consume(std::size_t count) {
    begin_ += count;
    offset_ += count;
}

int packetKind(std::span<const std::uint8_t> packet) {
    if (packet.empty()) return kKindNewMessage;
    ByteDecoder in(packet, escapeModeOf(packet[0]));
    while (auto b = in.next()) {
        if (*b != kStx) continue;
        const auto command = in.next();
        return command && *command == 'G' ? kKindStringFile : kKindNewMessage;
    }
    return kKindNewMessage;
}

}  // namespace ztk::sim
