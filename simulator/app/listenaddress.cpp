// SPDX-License-Identifier: MIT
#include "listenaddress.h"

namespace ztk::simapp {
namespace {

std::optional<quint16> parsePort(const QString& text) {
    if (text.isEmpty() || text.size() > 5) return std::nullopt;
    for (const QChar c : text)
        if (!c.isDigit()) return std::nullopt;
    const int port = text.toInt();
    if (port > 65535) return std::nullopt;
    return static_cast<quint16>(port);
}

}  // namespace

std::optional<ListenAddress> ListenAddress::parse(const QString& text, QString& error) {
    const auto fail = [&](const QString& why) -> std::optional<ListenAddress> {
        error = QStringLiteral("-listen \"%1\": %2").arg(text, why);
        return std::nullopt;
    };
    ListenAddress result;
    QString portText = text;
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon >= 0) {
        QString host = text.left(colon);
        portText = text.mid(colon + 1);
        if (host.startsWith(u'[') && host.endsWith(u']')) {
            host = host.mid(1, host.size() - 2);
            if (!host.contains(u':') || !result.address.setAddress(host))
                return fail(QStringLiteral("not an IPv6 address in brackets"));
        } else if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0) {
            result.address = QHostAddress(QHostAddress::LocalHost);
        } else if (host.contains(u':') || !result.address.setAddress(host)) {
            return fail(
                QStringLiteral("the address must be an IPv4 address, \"localhost\" or an "
                               "IPv6 address in brackets"));
        }
    }
    const auto port = parsePort(portText);
    if (!port) return fail(QStringLiteral("the port must be a number from 0 to 65535"));
    result.port = *port;
    return result;
}

QString ListenAddress::text(const QHostAddress& address, quint16 port) {
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QStringLiteral("[%1]").arg(address.toString())
                             : address.toString();
    return QStringLiteral("%1:%2").arg(host).arg(port);
}

}  // namespace ztk::simapp
