// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes, in arbitrary pieces, to the receiver's record reader: it must
// never read past a record, never hold more than a record's announced size and never
// accept a record over the cap.
#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "handoverframe.h"
#include "platform/handover.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // The first byte picks the piece size, so records straddle pieces in every way.
    const std::size_t piece = 1 + data[0] % 37;
    QByteArray input(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    QBuffer device;
    device.open(QIODevice::ReadWrite);
    ztk::platform::RecordReader reader;
    qsizetype fed = 0;
    while (fed < input.size()) {
        const qint64 readPos = device.pos();
        device.seek(device.size());
        device.write(input.mid(fed, static_cast<qsizetype>(piece)));
        device.seek(readPos);
        fed += static_cast<qsizetype>(piece);
        for (;;) {
            const auto status = reader.readFrom(device);
            if (status == ztk::platform::RecordReader::Status::NeedMore) break;
            if (status == ztk::platform::RecordReader::Status::TooLarge) return 0;
            const auto record = reader.takeRecord();
            if (record.data.size() > static_cast<qsizetype>(ztk::platform::kMaxRecordBytes)) {
                std::abort();
            }
        }
    }
    return 0;
}
