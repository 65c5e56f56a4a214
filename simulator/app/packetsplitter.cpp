#include "packetsplitter.h"

#include <algorithm>
#include <cstring>

namespace ztk::simapp {
namespace {

constexpr std::uint8_t kSoh = 0x01;
constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kEot = 0x04;
// A run of SOH bytes is kept up to this length (and half the bound); more only wastes buffer.
constexpr std::size_t kMaxSohRun = 64;
// After a packet the buffer keeps at most this much memory, so that many quiet
// connections do not each hold the largest packet they once carried.
constexpr std::size_t kKeptCapacity = 64 * 1024;

bool isAddressCharacter(std::uint8_t byte) {
    return byte >= 0x20 && byte <= 0x7E;
}

}  // namespace

PacketSplitter::HeaderMatcher::Result PacketSplitter::HeaderMatcher::next(std::uint8_t byte) {
    switch (stage_) {
        case 0:
            if (byte == kSoh) return Result::More;
            if (byte != 'Z') return Result::Failed;
            stage_ = 1;
            return Result::More;
        case 1:
        case 2:
            if (!isAddressCharacter(byte)) return Result::Failed;
            address_[stage_ - 1] = static_cast<char>(byte);
            ++stage_;
            return Result::More;
        default:
            return byte == kStx ? Result::Complete : Result::Failed;
    }
}

PacketSplitter::PacketSplitter(std::size_t maxPacketBytes)
    : maxPacketBytes_(std::max<std::size_t>(maxPacketBytes, 16)),
      maxSohRun_(std::min(kMaxSohRun, maxPacketBytes_ / 2)) {}

void PacketSplitter::feed(std::span<const std::uint8_t> bytes, const PacketHandler& onPacket) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        switch (state_) {
            case State::Idle:
                i += skipIdle(bytes.subspan(i));
                if (i < bytes.size()) beginHeader(bytes[i++]);
                break;
            case State::Header: {
                const std::uint8_t byte = bytes[i];
                const bool sohRun = header_.inSohRun();
                const auto result = header_.next(byte);
                if (result == HeaderMatcher::Result::Failed) {
                    // Not a frame after all; the byte may begin the next one.
                    dropFrame();
                    break;
                }
                ++i;
                if (sohRun && byte == kSoh && buffer_.size() >= maxSohRun_) {
                    ++counts_.garbageBytes;
                    break;
                }
                buffer_.push_back(byte);
                if (result == HeaderMatcher::Result::Complete) {
                    address_ = header_.address();
                    bodyStart_ = buffer_.size();
                    restarting_ = false;
                    state_ = State::Body;
                }
                break;
            }
            case State::Body:
                if (!restarting_) {
                    i += appendBody(bytes.subspan(i));
                    if (state_ != State::Body || i == bytes.size()) break;
                }
                if (bodyByte(bytes[i], onPacket)) ++i;
                break;
        }
    }
}

void PacketSplitter::finish() {
    if (state_ == State::Body) ++counts_.brokenFrames;
    if (state_ != State::Idle) dropFrame();
}

std::size_t PacketSplitter::skipIdle(std::span<const std::uint8_t> bytes) {
    const void* found = std::memchr(bytes.data(), kSoh, bytes.size());
    const std::size_t skipped =
        found ? static_cast<const std::uint8_t*>(found) - bytes.data() : bytes.size();
    counts_.garbageBytes += skipped;
    return skipped;
}

void PacketSplitter::beginHeader(std::uint8_t soh) {
    buffer_.clear();
    buffer_.push_back(soh);
    header_.start();
    state_ = State::Header;
}

std::size_t PacketSplitter::appendBody(std::span<const std::uint8_t> bytes) {
    // Plain body bytes run up to the next SOH (a new header may begin there) or EOT.
    std::size_t run = bytes.size();
    if (const void* eot = std::memchr(bytes.data(), kEot, run))
        run = static_cast<const std::uint8_t*>(eot) - bytes.data();
    if (const void* soh = std::memchr(bytes.data(), kSoh, run))
        run = static_cast<const std::uint8_t*>(soh) - bytes.data();
    if (buffer_.size() + run > maxPacketBytes_) {
        ++counts_.oversizePackets;
        counts_.garbageBytes += run;
        dropFrame();
        return run;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(run));
    return run;
}

bool PacketSplitter::bodyByte(std::uint8_t byte, const PacketHandler& onPacket) {
    if (buffer_.size() >= maxPacketBytes_) {
        ++counts_.oversizePackets;
        dropFrame();
        return false;  // the byte may begin the next frame
    }
    buffer_.push_back(byte);
    if (byte == kEot) {
        deliver(onPacket);
        return true;
    }
    if (restarting_) {
        const auto result = restart_.next(byte);
        if (result == HeaderMatcher::Result::Complete) {
            // A whole header inside the body: the frame before it was never finished.
            ++counts_.brokenFrames;
            counts_.garbageBytes += restartAt_;
            buffer_.erase(buffer_.begin(),
                          buffer_.begin() + static_cast<std::ptrdiff_t>(restartAt_));
            address_ = restart_.address();
            bodyStart_ = buffer_.size();
            restarting_ = false;
        } else if (result == HeaderMatcher::Result::Failed) {
            restarting_ = false;
        }
    }
    if (!restarting_ && byte == kSoh) {
        restarting_ = true;
        restartAt_ = buffer_.size() - 1;
        restart_.start();
    }
    return true;
}

void PacketSplitter::deliver(const PacketHandler& onPacket) {
    StreamPacket packet;
    packet.bytes = std::span<const std::uint8_t>(buffer_);
    packet.address = address_;
    packet.command = buffer_[bodyStart_];
    ++counts_.packets;
    if (onPacket) onPacket(packet);
    releaseBuffer();
    state_ = State::Idle;
    restarting_ = false;
}

void PacketSplitter::dropFrame() {
    counts_.garbageBytes += buffer_.size();
    releaseBuffer();
    state_ = State::Idle;
    restarting_ = false;
}

void PacketSplitter::releaseBuffer() {
    buffer_.clear();
    if (buffer_.capacity() > kKeptCapacity) std::vector<std::uint8_t>().swap(buffer_);
}

}  // namespace ztk::simapp
