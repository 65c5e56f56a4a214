// SPDX-License-Identifier: MIT
#include "tcpsigninput.h"

#include <QTcpSocket>

#include <array>

namespace ztk::simapp {
namespace {

// What Qt may hold for a connection before we read it: with a bound, a sender that writes
// faster than the sign reads is held back by TCP itself.
constexpr qint64 kSocketBufferBytes = 64 * 1024;

}  // namespace

TcpSignInput::TcpSignInput(SignAddress address, StreamReceiver::Deliver deliver,
                           StreamReceiver::Note note, QObject* parent)
    : QObject(parent), address_(address), deliver_(std::move(deliver)), note_(std::move(note)) {
    connect(&server_, &QTcpServer::newConnection, this, &TcpSignInput::acceptPending);
}

TcpSignInput::~TcpSignInput() {
    for (auto& [socket, receiver] : connections_) {
        socket->disconnect(this);
        socket->abort();
        delete socket;
    }
}

bool TcpSignInput::listen(const ListenAddress& where, QString& error) {
    if (server_.listen(where.address, where.port)) return true;
    error = QStringLiteral("cannot listen on %1: %2")
                .arg(ListenAddress::text(where.address, where.port), server_.errorString());
    return false;
}

QString TcpSignInput::where() const {
    return ListenAddress::text(server_.serverAddress(), server_.serverPort());
}

const StreamReceiver* TcpSignInput::receiverFor(quint16 peerPort) const {
    for (const auto& [socket, receiver] : connections_)
        if (socket->peerPort() == peerPort) return receiver.get();
    return nullptr;
}

void TcpSignInput::acceptPending() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        const QString peer = ListenAddress::text(socket->peerAddress(), socket->peerPort());
        if (connectionCount() >= kMaxConnections) {
            ++refused_;
            if (!refusalNoted_ && note_) {
                note_(QStringLiteral("refused a connection from %1: %2 connections are open")
                          .arg(peer)
                          .arg(kMaxConnections));
            }
            refusalNoted_ = true;
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setReadBufferSize(kSocketBufferBytes);
        connections_.emplace(socket,
                             std::make_unique<StreamReceiver>(address_, deliver_, note_, peer));
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket); });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] { drop(socket); });
        // Bytes may have come with the connection.
        readFrom(socket);
    }
}

void TcpSignInput::readFrom(QTcpSocket* socket) {
    std::array<char, kSocketBufferBytes> chunk;
    for (;;) {
        const auto found = connections_.find(socket);
        if (found == connections_.end()) return;
        const qint64 got = socket->read(chunk.data(), chunk.size());
        if (got <= 0) return;
        found->second->receive(std::span(reinterpret_cast<const std::uint8_t*>(chunk.data()),
                                         static_cast<std::size_t>(got)));
    }
}

void TcpSignInput::drop(QTcpSocket* socket) {
    if (!connections_.contains(socket)) return;
    // What is still buffered by Qt belongs to the stream too.
    readFrom(socket);
    const auto found = connections_.find(socket);
    if (found == connections_.end()) return;
    found->second->end();
    connections_.erase(found);
    socket->disconnect(this);
    socket->deleteLater();
    if (connectionCount() < kMaxConnections) refusalNoted_ = false;
}

}  // namespace ztk::simapp
