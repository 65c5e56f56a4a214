// SPDX-License-Identifier: MIT
#pragma once
// One way of getting packets to a sign. The control owns one of each kind and sends through
// the one that MarqueeConnectMode selects.

#include <QByteArray>
#include <QString>

namespace ztk {

struct MarqueeProperties;

// What a transport needs from the control that owns it.
class TransportHost {
  public:
    virtual ~TransportHost() = default;
    // The property values as they are now.
    virtual const MarqueeProperties& properties() const = 0;
    // Writes `message` to the error log when logging was switched on.
    virtual void logIfEnabled(const QString& message) = 0;
    // Runs ResetCommunication (guarded and logged on its own); its result.
    virtual bool resetCommunication() = 0;
    // Appends the packet to the dump when the dump is on.
    virtual void dumpPacket(const QByteArray& packet) = 0;
    // True once the host has destroyed the control during the call in progress: a long wait
    // then ends early.
    virtual bool abandoned() const = 0;
};

class Transport {
  public:
    virtual ~Transport() = default;
    // Hands one packet over. Returns false for the refusals that are not logged; throws
    // ControlError for a failure that the caller logs.
    virtual bool send(const QByteArray& packet) = 0;
    // Closes and re-opens the path; throws ControlError when it cannot.
    virtual void reset() = 0;
};

}  // namespace ztk
