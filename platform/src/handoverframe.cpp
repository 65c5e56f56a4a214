// SPDX-License-Identifier: MIT
#include "handoverframe.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>

#include "platform/handover.h"

namespace ztk::platform {
namespace {

// The first reservation for a record's data; it grows by doubling as data arrives, so a
// sender that announces a large record and stalls does not make us hold its full size.
constexpr qsizetype kInitialReserve = 64 * 1024;

}  // namespace

QByteArray encodeRecord(std::uint32_t message, std::uint64_t kind, const QByteArray& data) {
    QByteArray frame(kRecordHeaderBytes + data.size(), Qt::Uninitialized);
    char* p = frame.data();
    qToLittleEndian(message, p);
    qToLittleEndian(kind, p + 4);
    qToLittleEndian(static_cast<std::uint32_t>(data.size()), p + 12);
    std::copy(data.cbegin(), data.cend(), p + kRecordHeaderBytes);
    return frame;
}

QByteArray encodeAnswer(std::int64_t result) {
    QByteArray bytes(kAnswerBytes, Qt::Uninitialized);
    qToLittleEndian(result, bytes.data());
    return bytes;
}

std::int64_t decodeAnswer(const char* bytes) {
    return qFromLittleEndian<std::int64_t>(bytes);
}

RecordReader::Status RecordReader::readFrom(QIODevice& device) {
    if (refused_) return Status::TooLarge;
    if (!haveHeader_) {
        const qint64 got =
            device.read(header_.data() + headerFilled_, kRecordHeaderBytes - headerFilled_);
        if (got > 0) headerFilled_ += got;
        if (headerFilled_ < kRecordHeaderBytes) return Status::NeedMore;
        record_.message = qFromLittleEndian<std::uint32_t>(header_.data());
        record_.kind = qFromLittleEndian<std::uint64_t>(header_.data() + 4);
        length_ = qFromLittleEndian<std::uint32_t>(header_.data() + 12);
        if (length_ > kMaxRecordBytes) {
            refused_ = true;
            return Status::TooLarge;
        }
        haveHeader_ = true;
        record_.data.clear();
        record_.data.reserve(std::min<qsizetype>(length_, kInitialReserve));
    }
    QByteArray& data = record_.data;
    while (data.size() < static_cast<qsizetype>(length_)) {
        const qint64 available = device.bytesAvailable();
        if (available <= 0) return Status::NeedMore;
        const qsizetype want = std::min<qsizetype>(length_ - data.size(), available);
        const qsizetype old = data.size();
        if (data.capacity() < old + want) {
            data.reserve(std::min<qsizetype>(length_, std::max(old + want, 2 * data.capacity())));
        }
        data.resize(old + want);
        const qint64 got = device.read(data.data() + old, want);
        data.resize(old + std::max<qint64>(got, 0));
        if (got <= 0) return Status::NeedMore;
    }
    return Status::Complete;
}

HandoverRecord RecordReader::takeRecord() {
    HandoverRecord done = std::move(record_);
    record_ = HandoverRecord{};
    headerFilled_ = 0;
    haveHeader_ = false;
    length_ = 0;
    return done;
}

}  // namespace ztk::platform
