// SPDX-License-Identifier: MIT
// The error log's line and its switch, and the packet dump's line and its switch.
#include <gtest/gtest.h>

#include <QDir>

#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ZTKMarqueeControl/marquee.h"
#include "front/errorlog.h"
#include "front/marqueecontext.h"
#include "front/packetdump.h"
#include "support/controltesting.h"
#include "support/tcprecorder.h"

namespace ztk {
namespace {

class LogAndDump : public test::ControlTest {};

TEST_F(LogAndDump, LogLineIsQuotedDatedAndDoublesInnerQuotes) {
    const QDateTime when(QDate(2026, 12, 7), QTime(5, 6, 0));
    EXPECT_EQ(formatLogLine(when, "Error: 1, src[Clear]; text"),
              "\"12-07-2026 05:06:00  -->  Error: 1, src[Clear]; text\"\r\n");
    EXPECT_EQ(formatLogLine(when, "name \"A\""),
              "\"12-07-2026 05:06:00  -->  name \"\"A\"\"\"\r\n");
    EXPECT_EQ(failureMessage(ControlError("Invalid mode."), "ChangeMode"),
              "Error: -2147221504, ZTKMarqueeControl[ChangeMode]; Invalid mode.");

    LogError(path("missing/log.txt"), "lost");  // a folder that does not exist: no failure
    EXPECT_FALSE(QFile::exists(path("missing/log.txt")));
    LogError(path("log.txt"), "one");
    LogError(path("log.txt"), "two");
    EXPECT_EQ(lines(path("log.txt")).size(), 2);
    EXPECT_TRUE(lines(path("log.txt"))[1].endsWith("  -->  two\""));
}

TEST_F(LogAndDump, LoggingIsSwitchedOnlyByInitializeAndFollowsTheProperty) {
    ScopedPauseOverride noPause(0);
    mapComPort(3, path("no-such-tty"));
    {
        Marquee m;  // no log file when Initialize runs: nothing is ever logged
        m.setSerialComPort(3);
        m.Initialize();
        m.setMarqueeLogFile(path("late.txt"));
        EXPECT_FALSE(m.ChangeMode("3"));
        EXPECT_FALSE(QFile::exists(path("late.txt")));
    }
    Marquee m;
    m.setSerialComPort(3);
    m.setMarqueeLogFile(path("first.txt"));
    m.Initialize();
    EXPECT_FALSE(lines(path("first.txt")).isEmpty());
    m.setMarqueeLogFile(path("second.txt"));
    EXPECT_FALSE(m.ChangeMode("3"));
    EXPECT_EQ(lines(path("second.txt")).size(), 1);
    m.setMarqueeLogFile(QString());
    EXPECT_FALSE(m.ChangeMode("3"));
    m.setMarqueeLogFile(path("missing/log.txt"));
    EXPECT_FALSE(m.ChangeMode("3"));
    EXPECT_EQ(lines(path("second.txt")).size(), 1);
}

TEST_F(LogAndDump, EscapeForDumpWritesControlAndHighBytesInHex) {
    EXPECT_EQ(EscapeForDump(QByteArray("\x01Z00\x02"
                                       "AA \x04")),
              "[1]Z00[2]AA [4]");
    EXPECT_EQ(EscapeForDump(QByteArray("\x1B\x7F\x80\xFF~ ", 6)), "[1B][7F][80][FF]~ ");
    EXPECT_EQ(EscapeForDump(QByteArray(1, '\0')), "[0]");
    const QByteArray line = formatDumpLine(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), "E,");
    EXPECT_EQ(line, "2026-01-02 03:04:05 --> E,\n");
}

TEST_F(LogAndDump, DumpSwitchIsReadAtCreationAndAMissingFolderTurnsItOff) {
    ScopedPauseOverride noPause(0);
    test::TcpRecorder peer;
    setDumpSwitch(path("dump.txt"));
    Marquee dumping;
    setDumpSwitch(path("missing/dump.txt"));
    Marquee quiet;
    setDumpSwitch(QString());  // a later change does not reach existing controls

    for (Marquee* m : {&dumping, &quiet}) {
        m->setMarqueeConnectMode(1);
        m->setNetworkAddress("127.0.0.1");
        m->setNetworkPort(peer.port());
        ASSERT_TRUE(m->Initialize());
        ASSERT_TRUE(m->QuickDisplay("HI"));
    }
    EXPECT_EQ(contextOf(quiet).dump.file(), "");
    const QStringList dumped = lines(path("dump.txt"));
    ASSERT_EQ(dumped.size(), 4);
    EXPECT_TRUE(dumped[0].endsWith(" --> [1][1][1][1][1][1]Z00[2]AA [4]"));
    EXPECT_TRUE(dumped[3].endsWith(" --> [1][1][1][1][1][1]Z00[2]AA[1B]0o[1C]C[1A]3HI[4]"));
    EXPECT_FALSE(QDir(path("missing")).exists());
}

TEST_F(LogAndDump, NamedPipesAreRefusedWithoutBlockingAndCharacterDevicesTaken) {
    ScopedPauseOverride noPause(0);
    const QByteArray fifo = QFile::encodeName(path("fifo"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);

    // No reader: opening for writing would wait for one for ever.
    setDumpSwitch(path("fifo"));
    Marquee m;
    EXPECT_EQ(contextOf(m).dump.file(), "");
    mapComPort(3, path("no-such-tty"));
    m.setSerialComPort(3);
    m.setMarqueeLogFile(path("fifo"));
    m.Initialize();                   // switches logging on
    EXPECT_FALSE(m.ChangeMode("3"));  // its log line is lost

    // With a reader a write could still block once the reader stops: refused as well.
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    LogError(path("fifo"), "lost");
    EXPECT_EQ(PacketDump().file(), "");
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0);  // nothing arrived
    ::close(reader);

    // A folder is no file either; /dev/null is the usual way to switch output off.
    LogError(path("."), "lost");
    setDumpSwitch("/dev/null");
    EXPECT_EQ(PacketDump().file(), "/dev/null");

    // The program's own standard error is taken even when it is a pipe (marquee ... 2>&1 | tee).
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const int savedStderr = ::dup(2);
    ::dup2(pipeEnds[1], 2);
    LogError("/dev/stderr", "shown");
    ::dup2(savedStderr, 2);
    ::close(savedStderr);
    ::close(pipeEnds[1]);
    char shown[128] = {};
    const ssize_t got = ::read(pipeEnds[0], shown, sizeof shown - 1);
    ::close(pipeEnds[0]);
    ASSERT_GT(got, 0);
    EXPECT_NE(std::string(shown).find("-->  shown"), std::string::npos) << shown;
}

}  // namespace
}  // namespace ztk
