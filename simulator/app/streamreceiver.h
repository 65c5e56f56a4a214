// SPDX-License-Identifier: MIT
#pragma once
// StreamReceiver: what the sign does with the bytes of one stream input (a TCP connection,
// the serial line). It splits them into packets and hands every packet addressed to this
// sign on exactly as the control hands packets over: a string-file write ("G" after STX)
// as kind 842, anything else as kind 586. Packets for other signs are passed over, as a
// real sign on a shared line does.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>

#include "signaddress.h"
#include "simcore/framesplitter.h"

namespace ztk::simapp {

// The largest packet taken from a stream: far beyond anything a sign's memory holds, and
// small enough that many connections at once stay cheap.
inline constexpr std::size_t kMaxStreamPacketBytes = 1u << 20;

class StreamReceiver final : private sim::FrameSplitterEvents {
  public:
    // Called with each packet for this sign and its hand-over kind.
    using Deliver = std::function<void(std::uint64_t kind, const QByteArray& packet)>;
    // Called with a line worth telling the person running the sign (a dropped packet).
    using Note = std::function<void(const QString& line)>;

    // Packets from `source` (a name for the notes, such as "127.0.0.1:40312").
    StreamReceiver(SignAddress address, Deliver deliver, Note note, QString source,
                   std::size_t maxPacketBytes = kMaxStreamPacketBytes);

    void receive(std::span<const std::uint8_t> bytes);
    // The stream ended; an unfinished packet is dropped.
    void end();

    const sim::SplitCounts& counts() const { return splitter_.counts(); }
    std::size_t buffered() const { return splitter_.buffered(); }
    // Packets whose frame named another sign.
    std::uint64_t passedOver() const { return passedOver_; }

  private:
    void packet(const sim::FramePacket& packet) override;
    void packetTooLong(std::uint64_t offset) override;

    SignAddress address_;
    Deliver deliver_;
    Note note_;
    QString source_;
    // A link carries raw frames only: an escaped one is no packet to a sign.
    sim::FrameSplitter splitter_;
    std::uint64_t passedOver_ = 0;
    std::uint64_t tooLong_ = 0;
};

}  // namespace ztk::simapp
