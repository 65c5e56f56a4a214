#include "front/packetdump.h"

#include <QFile>

#include "platform/usersettings.h"

namespace ztk {
namespace {

bool canAppendTo(const QString& path) {
    if (path.isEmpty()) return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

}  // namespace

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
    if (canAppendTo(path)) file_ = path;
}

void PacketDump::DumpPacket(const QByteArray& packet) const {
    if (file_.isEmpty()) return;
    QFile file(file_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    file.write(formatDumpLine(QDateTime::currentDateTime(), packet));
}

}  // namespace ztk
