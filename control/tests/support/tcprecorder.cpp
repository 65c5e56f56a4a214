// SPDX-License-Identifier: MIT
#include "support/tcprecorder.h"

#include <QRandomGenerator>
#include <QTcpSocket>

#include "platform/eventwait.h"

namespace ztk::test {

struct TcpRecorder::Connection {
    QTcpSocket* socket = nullptr;
    QByteArray bytes;
    bool closed = false;
};

TcpRecorder::TcpRecorder() {
    // Ephemeral ports lie above 32767, so pick a free one below from a varying start.
    const int start = 20000 + static_cast<int>(QRandomGenerator::global()->bounded(10000));
    for (int port = start; port < 32767 && !server_.isListening(); ++port) {
        server_.listen(QHostAddress::LocalHost, static_cast<quint16>(port));
    }
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto connection = std::make_unique<Connection>();
            Connection* c = connection.get();
            c->socket = socket;
            connections_.push_back(std::move(connection));
            QObject::connect(socket, &QIODevice::readyRead,
                             [c] { c->bytes += c->socket->readAll(); });
            QObject::connect(socket, &QAbstractSocket::disconnected, [c] {
                c->bytes += c->socket->readAll();
                c->closed = true;
            });
        }
    });
}

TcpRecorder::~TcpRecorder() {
    for (auto& c : connections_)
        c->socket->disconnect();
    server_.close();
}

QByteArray TcpRecorder::bytes() const {
    QByteArray all;
    for (const auto& c : connections_)
        all += c->bytes;
    return all;
}

QByteArray TcpRecorder::bytesOf(int index) const {
    return index < connectionCount() ? connections_[index]->bytes : QByteArray();
}

int TcpRecorder::closedCount() const {
    int count = 0;
    for (const auto& c : connections_)
        count += c->closed ? 1 : 0;
    return count;
}

bool TcpRecorder::waitForBytes(int count, int timeoutMs) {
    return platform::waitUntil([&] { return bytes().size() >= count; }, 20, timeoutMs);
}

bool TcpRecorder::waitForClosed(int count, int timeoutMs) {
    return platform::waitUntil([&] { return closedCount() >= count; }, 20, timeoutMs);
}

void TcpRecorder::vanish() {
    server_.close();
    dropConnections();
}

void TcpRecorder::dropConnections() {
    for (auto& c : connections_) {
        c->socket->disconnect();
        c->socket->close();
    }
}

}  // namespace ztk::test
