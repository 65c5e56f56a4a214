// SPDX-License-Identifier: MIT
#include "front/tcptransport.h"

#include <QDeadlineTimer>

#include <algorithm>

#include "front/controlerror.h"
#include "front/marqueeproperties.h"
#include "front/socketstate.h"
#include "platform/eventwait.h"

namespace ztk {
namespace {

const QString kSocketSource = QStringLiteral("wskLAN");

// Socket error numbers as sign installers know them from Windows hosts; others keep Qt's.
int socketErrorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return 10061;
        case QAbstractSocket::HostNotFoundError:
            return 11001;
        case QAbstractSocket::SocketTimeoutError:
            return 10060;
        case QAbstractSocket::NetworkError:
            return 10050;
        case QAbstractSocket::SocketAccessError:
            return 10013;
        case QAbstractSocket::SocketResourceError:
            return 10055;
        case QAbstractSocket::AddressInUseError:
            return 10048;
        default:
            return static_cast<int>(error);
    }
}

// Short waits of the connect sequences; they only pace how often the flag is looked at.
constexpr int kInitializePollMs = 50;
constexpr int kResetPollMs = 50;
constexpr int kSettleMs = 500;
constexpr int kAfterCloseMs = 50;
constexpr int kHandOverPollMs = 10;
// At the end of the control's life: short, as the host is waiting for it to go.
constexpr int kCloseFlushLimitMs = 5000;
// The unsent bytes a lasting connection may hold: ten seconds of a 115200-baud line at ten
// bits a byte, or 1 MiB, whichever is more. A sign that stops taking bytes then makes sends
// wait and fail instead of piling its packets up in memory.
constexpr qint64 kQueueLimitBytes = std::max<qint64>(1 << 20, 115200 / 10 * 10);

int remainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(qMax<qint64>(deadline.remainingTime(), 0));
}

}  // namespace

TcpTransport::TcpTransport(TransportHost& host) : host_(host) {
    QObject::connect(&socket_, &QAbstractSocket::connected, [this] { socketEventSeen_ = true; });
    QObject::connect(&socket_, &QAbstractSocket::errorOccurred,
                     [this](QAbstractSocket::SocketError error) { onError(error); });
    // Signs send nothing the control needs: whatever arrives is read and dropped.
    QObject::connect(&socket_, &QIODevice::readyRead, [this] { socket_.readAll(); });
}

TcpTransport::~TcpTransport() {
    socket_.disconnect();
}

std::uint8_t TcpTransport::state() const {
    return socketStateNumber(socket_.state(), errorSeen_);
}

bool TcpTransport::isConnected() const {
    return state() == kSocketConnected;
}

bool TcpTransport::send(const QByteArray& packet) {
    if (openClosePerSend_) {
        sendPerPacket(packet);
        return true;
    }
    if (!isConnected()) failNotConnected();
    makeRoomFor(packet.size());
    write(packet);
    platform::processPendingEvents();
    return true;
}

void TcpTransport::failNotConnected() const {
    throw ControlError(
        QStringLiteral("Attempt to use socket connection when not connected.  STATE=") +
        SocketStateText(state()));
}

void TcpTransport::makeRoomFor(qint64 size) {
    // A packet larger than the whole queue goes alone, once everything before it has left.
    const auto fits = [&] {
        const qint64 queued = socket_.bytesToWrite();
        return queued == 0 || queued + size <= kQueueLimitBytes;
    };
    if (fits()) return;
    platform::waitUntil([&] { return fits() || !isConnected(); }, kHandOverPollMs,
                        handOverLimitMs_);
    if (!isConnected()) failNotConnected();
    if (!fits()) {
        // Nothing of this packet is queued: a sign must never get part of a packet.
        throw ControlError(QStringLiteral("%1 bytes could not be sent: the sign has not taken "
                                          "the %2 bytes queued before them.")
                               .arg(size)
                               .arg(socket_.bytesToWrite()));
    }
}

void TcpTransport::sendPerPacket(const QByteArray& packet) {
    if (!isConnected()) {
        const QDeadlineTimer deadline = openConnection();
        platform::processPendingEvents();
        while (!socketEventSeen_ && !deadline.hasExpired()) {
            platform::waitProcessingEvents(qMin(perPacketPollMs_, remainingMs(deadline)));
        }
        if (!socketEventSeen_) timeOutConnect();
        platform::processPendingEvents();
        platform::waitProcessingEvents(kSettleMs);
        if (!isConnected() && !host_.resetCommunication()) {
            throw ControlError(QStringLiteral("Socket error."));
        }
    }
    write(packet);
    platform::processPendingEvents();
    // Closing drops what the socket has not yet handed to the operating system: a packet
    // larger than the network takes at once must not be cut short and still count as sent.
    const qint64 unsent = waitUntilHandedOver();
    close();
    if (unsent > 0) {
        throw ControlError(QStringLiteral("%1 of %2 bytes could not be sent before the "
                                          "connection was closed.")
                               .arg(unsent)
                               .arg(packet.size()));
    }
    platform::processPendingEvents();
    platform::waitProcessingEvents(kAfterCloseMs);
}

qint64 TcpTransport::waitUntilHandedOver() {
    qint64 dropped = 0;
    platform::waitUntil(
        [&] {
            const qint64 pending = socket_.bytesToWrite();
            if (pending > 0 && socket_.state() != QAbstractSocket::ConnectedState) {
                dropped = pending;
            }
            return pending == 0 || dropped > 0;
        },
        kHandOverPollMs, handOverLimitMs_);
    return dropped > 0 ? dropped : socket_.bytesToWrite();
}

void TcpTransport::connectForInitialize() {
    if (isConnected()) return;
    const QDeadlineTimer deadline = openConnection();
    platform::processPendingEvents();
    if (!platform::waitUntil([this] { return socketEventSeen_; }, kInitializePollMs,
                             remainingMs(deadline))) {
        timeOutConnect();
    }
    if (!isConnected()) throw ControlError(QStringLiteral("Socket error."));
}

void TcpTransport::reset() {
    close();
    socketEventSeen_ = false;
    const QDeadlineTimer deadline = openConnection();
    if (!platform::waitUntil([this] { return socketEventSeen_; }, kResetPollMs,
                             remainingMs(deadline))) {
        timeOutConnect();
    }
    if (!isConnected()) {
        throw ControlError(QStringLiteral("Socket Connect attempt failed.  STATE=") +
                           SocketStateText(state()));
    }
}

void TcpTransport::closeIfConnected() {
    if (!isConnected()) return;
    // The control is going away: give the bytes of the last packets a bounded time to leave
    // before closing drops them, blocking, as no host event may run into it any more.
    const QDeadlineTimer deadline(qMin(handOverLimitMs_, kCloseFlushLimitMs));
    while (
        socket_.bytesToWrite() > 0 && !deadline.hasExpired() &&
        socket_.waitForBytesWritten(static_cast<int>(qMax<qint64>(deadline.remainingTime(), 1)))) {
    }
    const qint64 dropped = socket_.bytesToWrite();
    close();
    if (dropped > 0) {
        host_.logIfEnabled(QStringLiteral("%1 bytes that the sign had not taken were dropped as "
                                          "the connection closed.")
                               .arg(dropped));
    }
}

QDeadlineTimer TcpTransport::openConnection() {
    close();
    const MarqueeProperties& p = host_.properties();
    // Without a limit of our own a connect to a peer that never answers lasts as long as
    // the operating system keeps retrying, with the host's call waiting all that time.
    const QDeadlineTimer deadline(connectLimitMs_, Qt::PreciseTimer);
    socket_.connectToHost(p.networkAddress, static_cast<quint16>(p.networkPort));
    return deadline;
}

void TcpTransport::timeOutConnect() {
    socket_.abort();
    reportError(QAbstractSocket::SocketTimeoutError, QStringLiteral("Connection timed out"));
}

void TcpTransport::close() {
    socket_.abort();
    errorSeen_ = false;
}

void TcpTransport::write(const QByteArray& packet) {
    host_.dumpPacket(packet);
    socket_.write(packet);
    // Hand the bytes to the operating system now, so that they leave even when the host
    // closes the connection or exits right after this call.
    socket_.flush();
}

void TcpTransport::onError(QAbstractSocket::SocketError error) {
    // The peer closing the connection is its close notification, not an error: the socket
    // simply reads as closed afterwards.
    if (error == QAbstractSocket::RemoteHostClosedError) return;
    reportError(error, socket_.errorString());
}

void TcpTransport::reportError(QAbstractSocket::SocketError error, const QString& text) {
    errorSeen_ = true;
    socketEventSeen_ = true;
    host_.logIfEnabled(QStringLiteral("SOCKET Error: %1, %2; %3.  STATE=%4")
                           .arg(QString::number(socketErrorNumber(error)), kSocketSource, text,
                                SocketStateText(state())));
}

}  // namespace ztk
