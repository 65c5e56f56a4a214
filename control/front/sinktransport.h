// SPDX-License-Identifier: MIT
#pragma once
// Packets to a host's sink instead of a sign (Marquee::setPacketSink).

#include "ZTKMarqueeControl/marquee.h"
#include "front/transport.h"

namespace ztk {

class SinkTransport final : public Transport {
  public:
    explicit SinkTransport(TransportHost& host) : host_(host) {}

    // The sink that takes the packets from now on; null for none.
    void attach(PacketSink* sink) { sink_ = sink; }
    bool attached() const { return sink_ != nullptr; }

    // Dumps the packet and hands it to the sink; throws ControlError with the sink's reason
    // when the sink could not keep it.
    bool send(const QByteArray& packet) override;
    // Nothing to close or open.
    void reset() override {}

  private:
    TransportHost& host_;
    PacketSink* sink_ = nullptr;
};

}  // namespace ztk
