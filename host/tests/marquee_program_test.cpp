// SPDX-License-Identifier: MIT
// The marquee program as a user runs it: against a loopback TCP peer, a pseudo-terminal,
// with -e, -f and standard input.
#include <gtest/gtest.h>

#include <QFile>

#include "programrun.h"
#include "propertyaccess.h"
#include "support/controltesting.h"
#include "support/ptypair.h"
#include "support/tcprecorder.h"

namespace ztk {
namespace {

using test::Outcome;

class MarqueeProgram : public test::ControlTest {
  protected:
    Outcome run(const QStringList& args, const QByteArray& input = QByteArray()) {
        return test::runMarquee(args, {input});
    }
};

TEST_F(MarqueeProgram, SessionOverLoopbackTcp) {
    test::TcpRecorder peer;
    setDumpSwitch(path("dump.txt"));
    const Outcome r =
        run({"-e", "set MarqueeConnectMode 1", "-e", "set NetworkAddress 127.0.0.1", "-e",
             QStringLiteral("set NetworkPort %1").arg(peer.port()), "-e", "Initialize", "-e",
             R"(QuickDisplay HELLO Green "" HOLD "" TOP)", "-e", "GetSocketState"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.text(), "True\nTrue\nConnected [7]\n");
    const QByteArray hello =
        QByteArray::fromHex("0101010101015a30300241411b22621c321a3348454c4c4f04");
    ASSERT_TRUE(peer.waitForBytes(test::initializePackets().size() + hello.size()));
    EXPECT_EQ(peer.bytes(), test::initializePackets() + hello);
    EXPECT_EQ(lines(path("dump.txt")).size(), 4);
}

TEST_F(MarqueeProgram, ScriptFromStdinDrivesAPseudoTerminal) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.isOpen());
    mapComPort(3, pty.slavePath());
    const QByteArray script =
        "# a serial session\n"
        "set SerialComPort 3\r\n"
        "Set MarqueeAddress 1f\n"
        "GET MarqueeAddress\n"
        "set MarqueeAddress G1\n"
        "set SerialParity none\n"
        "set SerialComPort 300\n"
        "QuickDisplay 'two words' red '' '' '' \"\" # trailing comment\n"
        "quickdisplay \\x01\\xff\n"
        "ChangeMode 3\n";
    const Outcome r =
        run({"-e", "get MarqueeAddress", "-f", "-", "-e", "get MarqueeAddress"}, script);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.text(), "00\n1F\nTrue\nTrue\nFalse\n1F\n");
    EXPECT_EQ(r.err,
              "error 380 ZTK Marquee Control: Invalid property value for Marquee Address: 'G1'\n"
              "error 380 marquee: Invalid property value\n"
              "error 6 marquee: Overflow\n"
              "marquee: ChangeMode: Error: -2147221504, ZTKMarqueeControl[ChangeMode]; Invalid "
              "mode.  Cannot change to mode: 3\n");
    const QByteArray frame = QByteArray(6, '\x01') +
                             "Z1F\x02"
                             "AA\x1B"
                             "0o";
    EXPECT_EQ(pty.read(), frame +
                              "\x1C"
                              "1\x1A"
                              "3two words\x04" +
                              frame +
                              "\x1C"
                              "C\x1A"
                              "3\x01\xFF\x04");
}

TEST_F(MarqueeProgram, UnparsableLinesStopWithTheirLineNumber) {
    QFile file(path("calls.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("get NetworkPort\n\nQuickDisplay \"open\nReset\n");
    file.close();
    Outcome r = run({"-f", path("calls.txt")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.text(), "3001\n");
    EXPECT_TRUE(r.err.contains("calls.txt: line 3: missing closing double quote"))
        << r.err.toStdString();

    for (const QString line : {"Frobnicate", "set NetworkPort", "get Nothing", "Initialize x",
                               "ChangeMode", "wait soon"}) {
        r = run({"-e", "get MarqueeType", "-e", line});
        EXPECT_EQ(r.status, 2) << line.toStdString();
        EXPECT_TRUE(r.err.startsWith("marquee: -e #2: line 1: ")) << r.err.toStdString();
    }
    r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const QString& word :
         host::propertyNames() +
             QStringList{"set PROPERTY VALUE", "get PROPERTY", "wait MS", "AlarmAdd,",
                         "AlarmAcknowledge,", "AlarmAcknowledgeAll,", "ChangeMode MODE", "Clear,",
                         "Initialize [", "QuickDisplay TEXT [", "Reset,",
                         "UpdateVariable NAME VALUE,", "UpdateVariableAdv NAME VALUE [",
                         "InitializeAdv [", "ResetCommunication,", "GetSocketState", "\\xNN",
                         "Exit status: 0", "error NUMBER SOURCE: TEXT"}) {
        EXPECT_TRUE(r.text().contains(word)) << word.toStdString();
    }
    EXPECT_TRUE(run({"-x"}).status == 2);
    EXPECT_TRUE(run({"-f", path("missing.txt")}).status == 2);
    r = run({"-f", path(".")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("Is a directory")) << r.err.toStdString();

    // A line without end (a device that never stops, say) is refused at a bound; the lines
    // before it have run.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("get NetworkPort\n");
    file.write(QByteArray(16 * 1024 * 1024 + 1, 'x'));
    file.close();
    r = run({"-f", path("calls.txt")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.text(), "3001\n");
    EXPECT_TRUE(r.err.contains("after line 1: line longer than 16777216 bytes"))
        << r.err.toStdString();
}

}  // namespace
}  // namespace ztk
