// SPDX-License-Identifier: MIT
#include "support/controltesting.h"

#include <QFile>

#include "platform/usersettings.h"

namespace ztk::test {

QByteArray packet(const QByteArray& command, const QByteArray& address) {
    return QByteArray(6, '\x01') + 'Z' + address + '\x02' + command + '\x04';
}

QByteArray initializePackets(const QByteArray& address) {
    QByteArray layout = "E$!AU0008FF00";
    for (int label = 0x20; label <= 0x60; ++label) {
        layout += static_cast<char>(label) + QByteArray("BL00200000");
    }
    layout += "AAU0000FF00";
    return packet("AA ", address) + packet(layout, address) + packet("E.SLA", address);
}

void ControlTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
}

void ControlTest::TearDown() {
    setDumpSwitch(QString());
    platform::removeUserSetting(QStringLiteral("SerialPorts"), QStringLiteral("COM3"));
}

QStringList ControlTest::lines(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList result;
    while (!f.atEnd()) {
        QByteArray line = f.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        result << QString::fromUtf8(line);
    }
    return result;
}

void ControlTest::setDumpSwitch(const QString& file) {
    if (file.isEmpty()) {
        platform::removeUserSetting(QStringLiteral("DumpOutput"), QStringLiteral("File"));
    } else {
        platform::writeUserSetting(QStringLiteral("DumpOutput"), QStringLiteral("File"), file);
    }
}

void ControlTest::mapComPort(int n, const QString& device) {
    platform::writeUserSetting(QStringLiteral("SerialPorts"), QStringLiteral("COM%1").arg(n),
                               device);
}

}  // namespace ztk::test
