// SPDX-License-Identifier: MIT
#include <QDeadlineTimer>
#include <QLocalSocket>

#include <algorithm>

#include "handoverframe.h"
#include "platform/handover.h"

namespace ztk::platform {
namespace {

int remainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0));
}

}  // namespace

std::unique_ptr<HandoverClient> HandoverClient::find(const QString& className, int timeoutMs) {
    const QString path = handoverSocketPath(className);
    if (path.isEmpty()) return nullptr;
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(path);
    if (!socket->waitForConnected(std::max(timeoutMs, 0))) return nullptr;
    return std::unique_ptr<HandoverClient>(new HandoverClient(std::move(socket)));
}

HandoverClient::HandoverClient(std::unique_ptr<QLocalSocket> socket) : socket_(std::move(socket)) {}

HandoverClient::~HandoverClient() {
    // abort() rather than a graceful close: the latter would wait for unsent bytes.
    if (socket_) socket_->abort();
}

std::optional<std::int64_t> HandoverClient::sendCopyData(std::uint64_t kind, const QByteArray& data,
                                                         int timeoutMs) {
    return roundTrip(kCopyDataMessage, kind, data, timeoutMs);
}

bool HandoverClient::sendClose(int timeoutMs) {
    return roundTrip(kCloseMessage, 0, {}, timeoutMs).has_value();
}

bool HandoverClient::sendActivate(int timeoutMs) {
    return roundTrip(kActivateMessage, 0, {}, timeoutMs).has_value();
}

std::optional<QByteArray> HandoverClient::requestReadBack(const QByteArray& request,
                                                          int timeoutMs) {
    QByteArray reply;
    if (!roundTrip(kCopyDataMessage, kReadBackKind, request, timeoutMs, &reply))
        return std::nullopt;
    return reply;
}

std::optional<std::int64_t> HandoverClient::roundTrip(std::uint32_t message, std::uint64_t kind,
                                                      const QByteArray& data, int timeoutMs,
                                                      QByteArray* reply) {
    if (broken_ || data.size() > static_cast<qsizetype>(kMaxRecordBytes)) return std::nullopt;
    const QDeadlineTimer deadline(std::max(timeoutMs, 0));
    auto fail = [this]() -> std::optional<std::int64_t> {
        broken_ = true;
        socket_->abort();
        return std::nullopt;
    };

    const QByteArray frame = encodeRecord(message, kind, data);
    if (socket_->write(frame) != frame.size()) return fail();
    while (socket_->bytesToWrite() > 0) {
        if (socket_->state() != QLocalSocket::ConnectedState) return fail();
        if (!socket_->waitForBytesWritten(remainingMs(deadline))) return fail();
    }
    while (socket_->bytesAvailable() < kAnswerBytes) {
        if (!socket_->waitForReadyRead(remainingMs(deadline))) return fail();
    }
    char answer[kAnswerBytes];
    if (socket_->read(answer, kAnswerBytes) != kAnswerBytes) return fail();
    const std::int64_t result = decodeAnswer(answer);
    // The receiver may have dropped the connection with its refusal: treat it as spent.
    if (result == kRefused) return fail();
    if (reply && result > 0) {
        // A reply follows the answer; its size is checked before anything is allocated.
        if (result > static_cast<std::int64_t>(kMaxRecordBytes)) return fail();
        const auto size = static_cast<qsizetype>(result);
        while (socket_->bytesAvailable() < size) {
            if (!socket_->waitForReadyRead(remainingMs(deadline))) return fail();
        }
        *reply = socket_->read(size);
        if (reply->size() != size) return fail();
    }
    return result;
}

}  // namespace ztk::platform
