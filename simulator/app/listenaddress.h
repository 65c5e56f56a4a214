// SPDX-License-Identifier: MIT
#pragma once
// Where the sign listens for TCP connections: "-listen PORT" (the loopback address only, so
// nothing is reachable from the network unless asked) or "-listen ADDRESS:PORT".

#include <QHostAddress>
#include <QString>

#include <optional>

namespace ztk::simapp {

struct ListenAddress {
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 0;  // 0: any free port

    // Reads "PORT", "ADDRESS:PORT" with an IPv4 address or "localhost", or "[IPV6]:PORT".
    // Nothing, with `error` set, for anything else.
    static std::optional<ListenAddress> parse(const QString& text, QString& error);
    // "127.0.0.1:23001", "[::1]:23001".
    static QString text(const QHostAddress& address, quint16 port);
};

}  // namespace ztk::simapp
