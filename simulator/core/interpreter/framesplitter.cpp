#include "simcore/framesplitter.h"

#include "simcore/bytedecoder.h"
#include "simcore/interpreter.h"

namespace ztk::sim {
namespace {

constexpr std::uint8_t kNul = 0x00;
constexpr std::uint8_t kSoh = 0x01;
constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kEot = 0x04;

// Raw bytes that the escape starting with `b` takes in `mode` (1 for a plain byte).
std::size_t escapeLength(std::uint8_t b, EscapeMode mode) {
    if (mode == EscapeMode::Bracket && b == ']') return 2;
    if (mode != EscapeMode::Raw && b == '_') return 3;
    return 1;
}

}  // namespace

FrameSplitter::FrameSplitter(FrameSplitterEvents& events, std::size_t maxPacketBytes)
    : events_(events), maxBytes_(maxPacketBytes) {}

void FrameSplitter::feed(std::span<const std::uint8_t> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    process(false);
}

void FrameSplitter::finish() {
    process(true);
    if (inPacket_) endPacket(pending().size(), false);
    passOver(pending().size());
    flushGarbage();
    buffer_.clear();
    begin_ = 0;
}

void FrameSplitter::process(bool atEnd) {
    while (inPacket_ ? scanPacket(atEnd) : findStart(atEnd)) {
    }
    // Consumed bytes go once per piece, so a piece of many packets costs linear time.
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(begin_));
    begin_ = 0;
}

bool FrameSplitter::findStart(bool atEnd) {
    const auto bytes = pending();
    for (std::size_t p = 0; p < bytes.size(); ++p) {
        const EscapeMode mode = escapeModeOf(bytes[p]);
        const std::size_t length = escapeLength(bytes[p], mode);
        if (p + length > bytes.size()) {
            if (atEnd) continue;
            passOver(p);  // the rest of a possible escape is still to come
            return false;
        }
        ByteDecoder in(bytes.subspan(p, length), mode);
        const auto decoded = in.next();
        if (!decoded || (*decoded != kNul && *decoded != kSoh) || !in.atEnd()) continue;
        passOver(p);
        flushGarbage();
        inPacket_ = true;
        mode_ = mode;
        sawStx_ = false;
        scan_ = 0;
        packetOffset_ = offset_;
        droppedBytes_ = 0;
        return true;
    }
    passOver(bytes.size());
    return false;
}

bool FrameSplitter::scanPacket(bool atEnd) {
    const auto bytes = pending();
    while (scan_ < bytes.size()) {
        const std::size_t start = scan_;
        if (start + escapeLength(bytes[start], mode_) > bytes.size() && !atEnd) break;
        ByteDecoder in(bytes.subspan(start), mode_);
        const auto decoded = in.next();
        scan_ = start + in.position();
        if (!decoded) continue;
        if (*decoded == kStx) sawStx_ = true;
        if (*decoded == kEot) {
            endPacket(scan_, sawStx_);
            return true;
        }
        if (*decoded == kSoh && sawStx_) {
            // A sign takes this as the start of a new packet: the one in progress was cut off.
            endPacket(start, false);
            return true;
        }
    }
    if (droppedBytes_ > 0 || scan_ > maxBytes_) {
        // Too long to keep: let go of it as it passes, and say so at its end.
        droppedBytes_ += scan_;
        consume(scan_);
        scan_ = 0;
    }
    return false;
}

void FrameSplitter::endPacket(std::size_t length, bool whole) {
    const std::uint64_t total = droppedBytes_ + length;
    if (droppedBytes_ > 0 || length > maxBytes_) {
        events_.skipped(packetOffset_, total, SkippedKind::TooLong);
    } else if (whole) {
        events_.packet(pending().first(length), packetOffset_);
    } else {
        events_.skipped(packetOffset_, total,
                        sawStx_ ? SkippedKind::CutShort : SkippedKind::NoPacket);
    }
    consume(length);
    inPacket_ = false;
    droppedBytes_ = 0;
}

void FrameSplitter::passOver(std::size_t count) {
    if (count == 0) return;
    if (garbageLength_ == 0) garbageOffset_ = offset_;
    garbageLength_ += count;
    consume(count);
}

void FrameSplitter::flushGarbage() {
    if (garbageLength_ > 0) events_.skipped(garbageOffset_, garbageLength_, SkippedKind::NoPacket);
    garbageLength_ = 0;
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
