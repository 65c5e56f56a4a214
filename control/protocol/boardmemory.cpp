// SPDX-License-Identifier: MIT
#include "protocol/boardmemory.h"

namespace ztk::protocol {

QByteArray stringSizeText(std::int16_t stringSizeInBytes) {
    const int size = (stringSizeInBytes < 1 || stringSizeInBytes >= 32767) ? 32 : stringSizeInBytes;
    return QByteArray::number(size, 16).toUpper().rightJustified(4, '0');
}

QByteArray memoryConfigurationCommand(std::int16_t stringSizeInBytes) {
    const QByteArray size = stringSizeText(stringSizeInBytes);
    QByteArray command("E$");
    command.reserve(2 + 67 * 11);
    command += "!AU0008FF00";
    for (int label = 0x20; label <= 0x60; ++label) {
        command += static_cast<char>(label);
        command += "BL" + size + "0000";
    }
    command += "AAU0000FF00";
    return command;
}

QByteArray runSequenceCommand() {
    return QByteArray("E.SLA");
}

}  // namespace ztk::protocol
