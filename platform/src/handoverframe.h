// SPDX-License-Identifier: MIT
#pragma once
// The hand-over record on the wire: encoding for the sender and an incremental reader for
// the receiver. See platform/handover.h for the layout.

#include <QByteArray>

#include <array>
#include <cstdint>

class QIODevice;

namespace ztk::platform {

inline constexpr qsizetype kRecordHeaderBytes = 16;
inline constexpr qsizetype kAnswerBytes = 8;

struct HandoverRecord {
    std::uint32_t message = 0;
    std::uint64_t kind = 0;
    QByteArray data;
};

// Header followed by `data`, ready to write.
QByteArray encodeRecord(std::uint32_t message, std::uint64_t kind, const QByteArray& data);
// The eight bytes that answer a record.
QByteArray encodeAnswer(std::int64_t result);
// Reads an answer from its first kAnswerBytes bytes.
std::int64_t decodeAnswer(const char* bytes);

// Collects one record at a time from a device that delivers it in pieces. It reads only
// what the current record still lacks, so bytes of the next record stay in the device, and
// it learns the length before it stores any data: an oversize record is refused without
// reading or allocating its data.
class RecordReader {
  public:
    enum class Status { NeedMore, Complete, TooLarge };

    // Reads what is available of the current record. After TooLarge the reader stays
    // refused and reads nothing more.
    Status readFrom(QIODevice& device);
    // Hands over the record that readFrom() reported Complete and starts the next one.
    HandoverRecord takeRecord();

    // Set while a record of this connection is being served, so that a nested event loop
    // inside a handler does not start serving the next record underneath it.
    bool busy = false;

  private:
    std::array<char, kRecordHeaderBytes> header_{};
    qsizetype headerFilled_ = 0;
    bool haveHeader_ = false;
    bool refused_ = false;
    std::uint32_t length_ = 0;
    HandoverRecord record_;
};

}  // namespace ztk::platform
