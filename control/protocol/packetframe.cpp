// SPDX-License-Identifier: MIT
#include "protocol/packetframe.h"

#include <QList>

#include "protocol/orvexprotocolroutines.h"

namespace ztk::protocol {

QByteArray toPacketBytes(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        bytes.append(c <= 0xFF ? static_cast<char>(c) : '?');
    }
    return bytes;
}

QString fromPacketBytes(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}

QByteArray framePacket(std::uint8_t signType, const QString& address, const QByteArray& command) {
    return mOrvexProtocolRoutines::PacketHeader(signType) + toPacketBytes(address) +
           mOrvexProtocolRoutines::kStx + command + mOrvexProtocolRoutines::PacketTrailer(signType);
}

QByteArray frameTextFilePacket(std::uint8_t signType, const QString& address,
                               const QByteArray& textFileBody) {
    return mOrvexProtocolRoutines::PacketHeader(signType) + toPacketBytes(address) + textFileBody +
           mOrvexProtocolRoutines::PacketTrailer(signType);
}

}  // namespace ztk::protocol
