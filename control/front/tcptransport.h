// SPDX-License-Identifier: MIT
#pragma once
// TCP/IP mode: one lasting connection made by Initialize, or a connection per packet.

#include <QDeadlineTimer>
#include <QTcpSocket>

#include <cstdint>

#include "front/transport.h"

namespace ztk {

class TcpTransport : public Transport {
  public:
    explicit TcpTransport(TransportHost& host);
    ~TcpTransport() override;

    bool send(const QByteArray& packet) override;
    // Reconnects; throws "Socket Connect attempt failed.  STATE=..." when it cannot.
    void reset() override;

    // Initialize: connects unless connected already; throws "Socket error." on failure.
    void connectForInitialize();
    // Per-packet mode: connect before and close after every packet.
    void setOpenClosePerSend(bool perSend) { openClosePerSend_ = perSend; }
    bool openClosePerSend() const { return openClosePerSend_; }

    // The socket's state number (0..9) and whether it reads as connected.
    std::uint8_t state() const;
    bool isConnected() const;
    // True once a connect or error notification arrived (cleared only by reset()).
    bool socketEventSeen() const { return socketEventSeen_; }
    // Termination: closes the socket when it is connected.
    void closeIfConnected();

    // Bytes handed to the socket that it has not yet passed to the operating system.
    qint64 unsentBytes() const { return socket_.bytesToWrite(); }

    // Test hook: the poll of the per-packet connect wait (10 s by default).
    void setPerPacketPollMs(int milliseconds) { perPacketPollMs_ = milliseconds; }
    // Test hook: how long the bytes of a packet may take to reach the operating system
    // before its connection is closed, and how long a send on a lasting connection waits
    // for room in a full queue (30 s by default).
    void setHandOverLimitMs(int milliseconds) { handOverLimitMs_ = milliseconds; }
    // Test hook: how long any connect may take before it counts as timed out (15 s by
    // default).
    void setConnectLimitMs(int milliseconds) { connectLimitMs_ = milliseconds; }

  private:
    // Starts connecting; the connect notification, an error or the connect limit ends it.
    QDeadlineTimer openConnection();
    // Past the connect limit without a notification: the attempt ends as a socket error.
    void timeOutConnect();
    void close();
    void sendPerPacket(const QByteArray& packet);
    // Waits until the queue of unsent bytes has room for `size` more; ControlError when the
    // sign does not take enough within the hand-over limit or the connection is lost.
    void makeRoomFor(qint64 size);
    [[noreturn]] void failNotConnected() const;
    void write(const QByteArray& packet);
    // Runs the event loop until the socket holds no unsent bytes, the connection is gone or
    // the hand-over limit has passed; the bytes that did not leave.
    qint64 waitUntilHandedOver();
    void onError(QAbstractSocket::SocketError error);
    void reportError(QAbstractSocket::SocketError error, const QString& text);

    TransportHost& host_;
    QTcpSocket socket_;
    bool errorSeen_ = false;
    bool socketEventSeen_ = false;
    bool openClosePerSend_ = false;
    int perPacketPollMs_ = 10000;
    int handOverLimitMs_ = 30000;
    int connectLimitMs_ = 15000;
};

}  // namespace ztk
