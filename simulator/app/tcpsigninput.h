// SPDX-License-Identifier: MIT
#pragma once
// TcpSignInput: the sign on a TCP port. It accepts up to kMaxConnections connections at
// once (the next is closed at once) and reads each like a serial line: its own bounded
// buffer splits the bytes into packets, which go on as hand-over packets. Nothing is ever
// sent back.

#include <QObject>
#include <QString>
#include <QTcpServer>

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "listenaddress.h"
#include "streamreceiver.h"

class QTcpSocket;

namespace ztk::simapp {

class TcpSignInput : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaxConnections = 32;

    TcpSignInput(SignAddress address, StreamReceiver::Deliver deliver, StreamReceiver::Note note,
                 QObject* parent = nullptr);
    ~TcpSignInput() override;

    // Starts listening; false with `error` set when the address cannot be had.
    bool listen(const ListenAddress& where, QString& error);
    // The address and port listened on ("127.0.0.1:23001"), the port chosen when 0 was asked.
    QString where() const;
    quint16 port() const { return server_.serverPort(); }

    int connectionCount() const { return static_cast<int>(connections_.size()); }
    // Connections closed at once because kMaxConnections were open.
    std::uint64_t refusedCount() const { return refused_; }
    // The receiver of an open connection, by its peer's port; null when there is none.
    const StreamReceiver* receiverFor(quint16 peerPort) const;

  private:
    void acceptPending();
    void readFrom(QTcpSocket* socket);
    void drop(QTcpSocket* socket);

    SignAddress address_;
    StreamReceiver::Deliver deliver_;
    StreamReceiver::Note note_;
    QTcpServer server_;
    std::unordered_map<QTcpSocket*, std::unique_ptr<StreamReceiver>> connections_;
    std::uint64_t refused_ = 0;
    bool refusalNoted_ = false;
};

}  // namespace ztk::simapp
