// SPDX-License-Identifier: MIT
#include "front/packetdump.h"

#include "front/appendfile.h"
#include "platform/usersettings.h"

namespace ztk {

QString EscapeForDump(const QByteArray& packet) {
    QString text;
    text.reserve(packet.size());
    for (const char byte : packet) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 32 && code <= 126) {
            text += QChar(code);
        } else {
            text += u'[' + QString::number(code, 16).toUpper() + u']';
        }
    }
    return text;
}

QByteArray formatDumpLine(const QDateTime& when, const QByteArray& packet) {
    return (when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" --> ") +
            EscapeForDump(packet))
               .toLatin1() +
           '\n';
}

PacketDump::PacketDump() {
    const QString path =
        platform::readUserSetting(QStringLiteral("DumpOutput"), QStringLiteral("File")).toString();
    if (AppendFile(path).isOpen()) file_ = path;
}

void PacketDump::DumpPacket(const QByteArray& packet) const {
    if (file_.isEmpty()) return;
    AppendFile(file_).write(formatDumpLine(QDateTime::currentDateTime(), packet));
}

}  // namespace ztk
