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

#include "packetsplitter.h"
#include "signaddress.h"

namespace ztk::simapp {

class StreamReceiver {
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

    const SplitterCounts& counts() const { return splitter_.counts(); }
    std::size_t buffered() const { return splitter_.buffered(); }
    // Packets whose frame named another sign.
    std::uint64_t passedOver() const { return passedOver_; }

  private:
    void take(const StreamPacket& packet);
    void noteDrops();

    SignAddress address_;
    Deliver deliver_;
    Note note_;
    QString source_;
    PacketSplitter splitter_;
    PacketSplitter::PacketHandler handler_;
    std::uint64_t passedOver_ = 0;
    std::uint64_t oversizeNoted_ = 0;
};

}  // namespace ztk::simapp
