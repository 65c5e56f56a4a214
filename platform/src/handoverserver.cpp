// SPDX-License-Identifier: MIT
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include "handoverframe.h"
#include "instancelock.h"
#include "platform/handover.h"

namespace ztk::platform {
namespace {

// How long listen() gives a receiver that does not hold the lock to show it is alive.
constexpr int kProbeTimeoutMs = 1000;

QString lockPathFor(const QString& socketPath) {
    return socketPath.chopped(QStringLiteral(".sock").size()) + QStringLiteral(".lock");
}

bool someoneAccepts(const QString& socketPath) {
    QLocalSocket probe;
    probe.connectToServer(socketPath);
    const bool alive = probe.waitForConnected(kProbeTimeoutMs);
    probe.abort();
    return alive;
}

}  // namespace

HandoverServer::HandoverServer(QObject* parent) : QObject(parent) {}

HandoverServer::~HandoverServer() {
    if (server_) {
        // Sockets die with the server; their signals must not reach a half-destroyed us.
        for (QLocalSocket* socket : server_->findChildren<QLocalSocket*>()) {
            socket->disconnect(this);
        }
        server_->disconnect(this);
        server_->close();  // removes the socket file
        server_.reset();
    }
    lock_.reset();  // only now may another receiver take the class
}

void HandoverServer::setCopyDataHandler(CopyDataHandler handler) {
    handler_ = std::move(handler);
}

void HandoverServer::setReadBackHandler(ReadBackHandler handler) {
    readBackHandler_ = std::move(handler);
}

bool HandoverServer::isListening() const {
    return server_ != nullptr;
}

QString HandoverServer::className() const {
    return className_;
}

bool HandoverServer::listen(const QString& className) {
    if (server_) return false;
    const QString path = handoverSocketPath(className);
    if (path.isEmpty()) return false;

    // The lock makes the check-remove-listen below atomic among receivers: without it two
    // starting receivers could each remove the other's fresh socket and both listen.
    auto lock = InstanceLock::tryAcquire(lockPathFor(path));
    if (!lock) return false;
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) {
        if (someoneAccepts(path)) return false;
        QLocalServer::removeServer(path);
    }
    auto server = std::make_unique<QLocalServer>();
    if (!server->listen(path)) return false;

    connect(server.get(), &QLocalServer::newConnection, this, &HandoverServer::onNewConnection);
    server_ = std::move(server);
    lock_ = std::move(lock);
    className_ = className;
    return true;
}

void HandoverServer::onNewConnection() {
    const QPointer<HandoverServer> self(this);
    while (self && server_ && server_->hasPendingConnections()) {
        QLocalSocket* socket = server_->nextPendingConnection();
        auto reader = std::make_shared<RecordReader>();
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket, reader] { serve(socket, reader); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Bytes that arrived with the connection are served now.
        serve(socket, reader);
    }
}

void HandoverServer::serve(QLocalSocket* socket, std::shared_ptr<RecordReader> reader) {
    // A handler that runs a nested event loop brings us back here for the same connection;
    // the outer call goes on with the next record once the handler returns.
    if (reader->busy) return;
    reader->busy = true;
    const QPointer<HandoverServer> self(this);
    const QPointer<QLocalSocket> alive(socket);

    for (;;) {
        const RecordReader::Status status = reader->readFrom(*socket);
        if (status == RecordReader::Status::NeedMore) break;
        if (status == RecordReader::Status::TooLarge) {
            if (socket->state() == QLocalSocket::ConnectedState) {
                socket->write(encodeAnswer(kRefused));
                socket->disconnectFromServer();
            }
            break;
        }
        const HandoverRecord record = reader->takeRecord();
        switch (record.message) {
            case kCopyDataMessage: {
                if (record.kind == kReadBackKind) {
                    const ReadBackHandler readBack = readBackHandler_;
                    QByteArray reply = readBack ? readBack(record.data) : QByteArray();
                    if (!alive) break;
                    if (reply.size() > static_cast<qsizetype>(kMaxRecordBytes)) reply.clear();
                    socket->write(encodeAnswer(reply.size()));
                    socket->write(reply);
                    break;
                }
                // A copy, so that a handler that replaces itself or ends the server runs on.
                const CopyDataHandler handler = handler_;
                const std::int64_t result = handler ? handler(record.kind, record.data) : 0;
                if (!alive) break;
                socket->write(encodeAnswer(result));
                break;
            }
            case kCloseMessage:
                socket->write(encodeAnswer(1));
                socket->flush();
                emit closeRequested();
                break;
            case kActivateMessage:
                socket->write(encodeAnswer(1));
                socket->flush();
                emit activateRequested();
                break;
            default:
                socket->write(encodeAnswer(kRefused));
                break;
        }
        if (!self || !alive) break;
    }
    reader->busy = false;
}

}  // namespace ztk::platform
