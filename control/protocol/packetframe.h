// SPDX-License-Identifier: MIT
#pragma once
// Frame helpers: text to packet bytes, and one command wrapped in the packet frame.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace ztk::protocol {

// One byte per character (Latin-1); a character above 255 becomes one "?".
QByteArray toPacketBytes(const QString& text);

// The bytes back as text, one character per byte (for log and dump texts).
QString fromPacketBytes(const QByteArray& bytes);

// Header of `signType`, `address`, STX, `command`, trailer of `signType`.
QByteArray framePacket(std::uint8_t signType, const QString& address, const QByteArray& command);

// Header of `signType`, `address`, `body`, trailer: for text-file writes, whose body starts
// with TextFileCommand() (which carries the STX itself) and goes on with the display text.
QByteArray frameTextFilePacket(std::uint8_t signType, const QString& address,
                               const QByteArray& textFileBody);

}  // namespace ztk::protocol
