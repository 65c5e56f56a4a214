// SPDX-License-Identifier: MIT
#pragma once
// The TCP socket's state as the control reports it: numbers 0 to 9 with their texts.

#include <QAbstractSocket>
#include <QString>

#include <cstdint>

namespace ztk {

inline constexpr std::uint8_t kSocketClosed = 0;
inline constexpr std::uint8_t kSocketConnected = 7;
inline constexpr std::uint8_t kSocketError = 9;

// The name of `state` followed by " [" + number + "]", e.g. "Connected [7]".
QString SocketStateText(std::uint8_t state);

// The number of a Qt socket state; `errorSeen` (an error notification since the last close or
// connect) reads as 9, "Error".
std::uint8_t socketStateNumber(QAbstractSocket::SocketState state, bool errorSeen);

}  // namespace ztk
