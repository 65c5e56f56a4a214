// SPDX-License-Identifier: MIT
// Arbitrary bytes as a message file, shown as template "T", string "S" and alarm "A", with
// variable updates of every field registered, on a control that talks to a TCP peer on
// loopback in this process. Every packet sent is checked whole through the packet dump:
// each dump line must be one complete frame (header, address, STX, a text-file or
// string-file command, EOT). A crash, a hang or an escaping exception is a finding too.
#include <QCoreApplication>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "ZTKMarqueeControl/marquee.h"
#include "front/marqueecontext.h"
#include "front/pausetimer.h"
#include "platform/eventwait.h"
#include "platform/usersettings.h"

namespace {

using namespace ztk;

struct Fixture {
    QTemporaryDir dir;
    QTcpServer peer;
    std::unique_ptr<Marquee> marquee;
    QString messageFile;
    QString dumpFile;
    QString logFile;
};

Fixture* fixture = nullptr;

// A packet as the dump writes it: control bytes as [hex].
bool isWholeFrame(const QByteArray& escaped) {
    static const QByteArray head = "[1][1][1][1][1][1]Z00[2]";
    if (!escaped.startsWith(head) || !escaped.endsWith("[4]")) return false;
    const QByteArray command = escaped.mid(head.size(), escaped.size() - head.size() - 3);
    return command.startsWith("AA") || command.startsWith('G');
}

void checkDump() {
    QFile dump(fixture->dumpFile);
    if (!dump.open(QIODevice::ReadWrite)) return;
    while (!dump.atEnd()) {
        QByteArray line = dump.readLine();
        if (line.endsWith('\n')) line.chop(1);
        const qsizetype arrow = line.indexOf(" --> ");
        if (arrow < 0 || !isWholeFrame(line.mid(arrow + 5))) {
            std::fprintf(stderr, "not a whole frame: %s\n", line.left(300).constData());
            __builtin_trap();
        }
    }
    dump.resize(0);
}

void updateEveryField(Marquee& m) {
    MarqueeContext& context = contextOf(m);
    const int count = std::min(context.variables.count(), 4);
    for (int i = 0; i < count; ++i) {
        const QString name = context.variables.at(i).name;
        m.UpdateVariable(name, QStringLiteral("12345"));
        m.UpdateVariableAdv(name.toUpper(), QStringLiteral("x"), QStringLiteral("red"), 1);
    }
    m.UpdateVariable(QStringLiteral("v"), QStringLiteral("value"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    fixture = new Fixture;
    // A private settings folder whose dump switch names our dump file.
    qputenv("XDG_CONFIG_HOME", fixture->dir.filePath("config").toLocal8Bit());
    fixture->messageFile = fixture->dir.filePath("items.xml");
    fixture->dumpFile = fixture->dir.filePath("dump.txt");
    fixture->logFile = fixture->dir.filePath("log.txt");
    QFile(fixture->dumpFile).open(QIODevice::WriteOnly);
    platform::writeUserSetting("DumpOutput", "File", fixture->dumpFile);

    for (quint16 port = 24500; port < 32767 && !fixture->peer.isListening(); ++port)
        fixture->peer.listen(QHostAddress::LocalHost, port);
    QObject::connect(&fixture->peer, &QTcpServer::newConnection, [] {
        while (QTcpSocket* socket = fixture->peer.nextPendingConnection()) {
            QObject::connect(socket, &QIODevice::readyRead, [socket] { socket->readAll(); });
        }
    });

    fixture->marquee = std::make_unique<Marquee>();
    Marquee& m = *fixture->marquee;
    m.setMarqueeConnectMode(1);
    m.setNetworkAddress("127.0.0.1");
    m.setNetworkPort(static_cast<std::int16_t>(fixture->peer.serverPort()));
    m.setMarqueeLogFile(fixture->logFile);
    m.setMessageFile(fixture->messageFile);
    m.setTemplateName("T");
    m.setStringName("S");
    m.setAlarmName("A");
    ScopedPauseOverride noPause(0);
    if (!m.Initialize()) {
        std::fprintf(stderr, "fuzz_rendering: the control could not reach its peer\n");
        std::abort();
    }
    // Only the packets of the displays are checked, not the memory layout.
    QFile(fixture->dumpFile).resize(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(fixture->messageFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    Marquee& m = *fixture->marquee;
    m.setMessageFile(fixture->messageFile);
    m.setTemplateName("T");
    m.setStringName("S");

    m.ChangeMode("TEMPLATE");
    updateEveryField(m);
    m.ChangeMode("STRING");
    updateEveryField(m);
    m.AlarmAdd();
    m.AlarmAdd();          // a duplicate
    m.AlarmAcknowledge();  // puts the string back, or blanks the sign
    m.AlarmAdd();
    m.AlarmAcknowledgeAll();
    // Leave alarm mode with an empty list so that the next input starts the same way.
    m.ChangeMode("ALARM");

    platform::processPendingEvents();
    checkDump();
    QFile(fixture->logFile).resize(0);
    return 0;
}
