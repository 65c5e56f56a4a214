// SPDX-License-Identifier: MIT
#include "front/socketstate.h"

namespace ztk {

QString SocketStateText(std::uint8_t state) {
    static const char* const kNames[] = {
        "Closed",         "Unknown",      "Listening",  "Connection Pending",
        "Resolving Host", "HostResolved", "Connecting", "Connected",
        "Closing",        "Error",
    };
    const char* name = state < 10 ? kNames[state] : "Unknown";
    return QStringLiteral("%1 [%2]").arg(QLatin1String(name)).arg(state);
}

std::uint8_t socketStateNumber(QAbstractSocket::SocketState state, bool errorSeen) {
    if (errorSeen) return kSocketError;
    switch (state) {
        case QAbstractSocket::UnconnectedState:
            return kSocketClosed;
        case QAbstractSocket::HostLookupState:
            return 4;
        case QAbstractSocket::ConnectingState:
            return 6;
        case QAbstractSocket::ConnectedState:
            return kSocketConnected;
        case QAbstractSocket::BoundState:
            return 1;
        case QAbstractSocket::ListeningState:
            return 2;
        case QAbstractSocket::ClosingState:
            return 8;
    }
    return 1;
}

}  // namespace ztk
