// SPDX-License-Identifier: MIT
#pragma once
// Simulate mode: packets go to the orvexsim simulator through the hand-over socket of its
// window class "simwin".

#include <QByteArray>
#include <QString>

#include <cstdint>

#include "front/transport.h"

namespace ztk {

inline constexpr std::uint64_t kHandoverTextKind = 586;
inline constexpr std::uint64_t kHandoverStringKind = 842;

// The window class the control starts the simulator under and looks it up by.
QString simulatorClassName();
// 842 for a packet that writes a string file (STX directly followed by "G"), else 586.
std::uint64_t handoverKind(const QByteArray& packet);

class SimulatorTransport : public Transport {
  public:
    explicit SimulatorTransport(TransportHost& host) : host_(host) {}
    // False, silently, when no simulator listens; a simulator that takes the connection but
    // does not answer the record is a logged failure.
    bool send(const QByteArray& packet) override;
    // Starts the simulator again (a second one hands over to the running one and exits).
    void reset() override { start(); }

    // Starts orvexsim ("-class simwin"), found beside the control library first; does not
    // wait for its window. A socket folder that cannot be used is named in the log, as
    // neither the simulator nor the control will use it.
    void start();
    // Asks a running simulator to close its window.
    void close();

  private:
    TransportHost& host_;
};

}  // namespace ztk
