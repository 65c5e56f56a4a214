// SPDX-License-Identifier: MIT
// End to end with the real pieces: the control drives the real program as a virtual sign,
// over TCP and over its serial line, and a read-back of the running sign shows what the
// control's packets render to.
#include <gtest/gtest.h>

#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>

#include <unistd.h>

#include "ZTKMarqueeControl/marquee.h"
#include "front/pausetimer.h"
#include "platform/eventwait.h"
#include "platform/handover.h"
#include "platform/usersettings.h"
#include "readback.h"
#include "simapp_testsupport.h"

namespace ztk::simapp {
namespace {

using testing::ProgramCopy;
using testing::RunningProgram;

const QString kFactory = QStringLiteral(ZTK_EXAMPLES_DIR "/factory.xml");

// The packets of the control's dump: each line's text after " --> ", with every "[HEX]"
// turned back into its byte.
std::vector<QByteArray> dumpedPackets(const QString& path) {
    std::vector<QByteArray> packets;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return packets;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        line.chop(line.endsWith('\n') ? 1 : 0);
        const qsizetype arrow = line.indexOf(" --> ");
        if (arrow < 0) continue;
        const QByteArray text = line.mid(arrow + 5);
        QByteArray packet;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype close = text.indexOf(']', i);
            if (text[i] == '[' && close > i) {
                packet += static_cast<char>(text.mid(i + 1, close - i - 1).toInt(nullptr, 16));
                i = close;
            } else {
                packet += text[i];
            }
        }
        packets.push_back(packet);
    }
    return packets;
}

class ControlDrivesTheVirtualSign : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::writeUserSetting("DumpOutput", "File", dir_.filePath("dump.txt"));
    }
    void TearDown() override {
        platform::removeUserSetting("DumpOutput", "File");
        platform::removeUserSetting("SerialPorts", "COM1");
    }
    void prepare(Marquee& m) {
        m.setMessageFile(kFactory);
        m.setMarqueeLogFile(dir_.filePath("log.txt"));
    }
    // Shows the template with its field "count" set, as a host would.
    void showTemplate(Marquee& m) {
        ScopedPauseOverride noPause(0);
        ASSERT_TRUE(m.Initialize()) << log();
        m.setTemplateName("Line Status");
        ASSERT_TRUE(m.ChangeMode("TEMPLATE")) << log();
        ASSERT_TRUE(m.UpdateVariable("count", "1234")) << log();
    }
    // Reads the running sign back with the real program until it shows what the control's
    // packets render to; false (with what it showed last) after a while.
    void expectReadBack(const QString& className) {
        const std::vector<QByteArray> packets = dumpedPackets(dir_.filePath("dump.txt"));
        ASSERT_GE(packets.size(), 5u);
        const sim::DisplayModel model;
        const std::string expected = ledDumpText(testing::ledsRendered(model, packets, 10), 3);
        // Without the update the field shows blanks: the update is what is checked.
        std::vector<QByteArray> before = packets;
        before.pop_back();
        ASSERT_NE(expected, ledDumpText(testing::ledsRendered(model, before, 10), 3));
        QString shown;
        const bool same = platform::waitUntil(
            [&] {
                RunningProgram leds(program_.path(), {"-class", className, "-leds", "-"},
                                    testing::withoutDisplay());
                if (leds.waitForExit() != 0) return false;
                shown = leds.standardOutput();
                return shown.toStdString() == expected;
            },
            20, 20000);
        EXPECT_TRUE(same) << "shown:\n" << shown.toStdString() << "expected:\n" << expected;
    }
    std::string log() const {
        QFile file(dir_.filePath("log.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QTemporaryDir dir_;
    ProgramCopy program_;
};

TEST_F(ControlDrivesTheVirtualSign, OverTcp) {
    const QString className = testing::uniqueClassName() + "-tcp";
    // The control's port is a signed 16-bit number: find a free one below 32768.
    std::unique_ptr<RunningProgram> sign;
    quint16 port = 0;
    for (int attempt = 0; attempt < 20 && !sign; ++attempt) {
        const quint16 candidate = 20000 + (::getpid() * 7 + attempt * 131) % 12000;
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, candidate)) continue;
        probe.close();
        auto started = std::make_unique<RunningProgram>(
            program_.path(),
            QStringList{"-class", className, "-listen", QString::number(candidate)},
            QStringList{"QT_QPA_PLATFORM=offscreen"});
        if (started->waitForOutput("listening on", 20000)) {
            sign = std::move(started);
            port = candidate;
        }
    }
    ASSERT_TRUE(sign);
    EXPECT_EQ(sign->standardOutput(), QStringLiteral("listening on 127.0.0.1:%1\n").arg(port));

    Marquee m;
    prepare(m);
    m.setMarqueeConnectMode(1);
    m.setNetworkAddress("127.0.0.1");
    m.setNetworkPort(static_cast<std::int16_t>(port));
    showTemplate(m);
    expectReadBack(className);
}

TEST_F(ControlDrivesTheVirtualSign, OverTheSerialLine) {
    const QString className = testing::uniqueClassName() + "-serial";
    const QString link = dir_.filePath("ttySign");
    RunningProgram sign(program_.path(), {"-class", className, "-pty", link},
                        {"QT_QPA_PLATFORM=offscreen"});
    ASSERT_TRUE(sign.waitForOutput("serial line at " + link + "\n"));
    platform::writeUserSetting("SerialPorts", "COM1", link);

    Marquee m;
    prepare(m);
    m.setSerialComPort(1);
    m.setSerialBaudRate(19200);
    showTemplate(m);
    expectReadBack(className);
    // The port was opened and closed for every packet; the line still takes the next one.
    ASSERT_TRUE(m.UpdateVariable("count", "77")) << log();
    expectReadBack(className);
}

}  // namespace
}  // namespace ztk::simapp
