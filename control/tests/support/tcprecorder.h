// SPDX-License-Identifier: MIT
#pragma once
// A TCP peer on loopback that records every byte and every connection it is sent. It runs
// on the test's thread: the control's waits keep the event loop going, which serves it.

#include <QByteArray>
#include <QList>
#include <QTcpServer>

#include <memory>

namespace ztk::test {

class TcpRecorder {
  public:
    TcpRecorder();
    ~TcpRecorder();

    // A port below 32768: the control's NetworkPort is a signed 16-bit value.
    qint16 port() const { return static_cast<qint16>(server_.serverPort()); }
    // Bytes of every connection, in arrival order, joined.
    QByteArray bytes() const;
    // Bytes of connection `index` (in accept order).
    QByteArray bytesOf(int index) const;
    int connectionCount() const { return static_cast<int>(connections_.size()); }
    // Connections that the control has closed.
    int closedCount() const;

    // Runs the event loop until `count` bytes arrived in total; false on timeout.
    bool waitForBytes(int count, int timeoutMs = 5000);
    // Runs the event loop until `count` connections were closed by the control.
    bool waitForClosed(int count, int timeoutMs = 5000);
    // The peer goes away: closes every connection and stops listening.
    void vanish();
    // Closes every connection but goes on listening.
    void dropConnections();
    // Stops accepting connections, keeping the open ones (a refused connect follows).
    void stopListening() { server_.close(); }

  private:
    struct Connection;
    QTcpServer server_;
    std::vector<std::unique_ptr<Connection>> connections_;
};

}  // namespace ztk::test
