// SPDX-License-Identifier: MIT
// Serial mode against a pseudo-terminal pair mapped as COM3.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include <memory>
#include <thread>

#include "ZTKMarqueeControl/marquee.h"
#include "front/marqueecontext.h"
#include "front/serialtransport.h"
#include "support/controltesting.h"
#include "support/ptypair.h"

namespace ztk {
namespace {

class SerialMode : public test::ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        ASSERT_TRUE(pty.isOpen());
        mapComPort(3, pty.slavePath());
    }
    void prepare(Marquee& m) {
        m.setSerialComPort(3);
        m.setMarqueeLogFile(path("log.txt"));
    }
    QStringList log() const { return lines(path("log.txt")); }
    test::PtyPair pty;
};

TEST_F(SerialMode, PacketsArriveByteExactAndThePortIsClosedBetweenThem) {
    ScopedPauseOverride noPause(0);
    Marquee m;
    prepare(m);
    m.setMarqueeAddress("01");
    ASSERT_TRUE(m.Initialize());
    EXPECT_EQ(pty.read(), test::initializePackets("01"));
    ASSERT_TRUE(m.QuickDisplay("HELLO", "Green", "", "HOLD", "", "TOP"));
    EXPECT_EQ(pty.read(),
              QByteArray::fromHex("0101010101015a30310241411b22621c321a3348454c4c4f04"));
    EXPECT_FALSE(contextOf(m).serial.isOpen());
    EXPECT_EQ(contextOf(m).serial.settingsText(), "9600,N,8,1");
    EXPECT_EQ(m.GetSocketState(), "Closed [0]");
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(SerialMode, SettingsTextReachesThePortAndTheBufferFollowsThePacketLength) {
    EXPECT_EQ(serialSettingsText(1200, "Space", 7, 2), "1200,S,7,2");
    const SerialSettings parsed = parseSerialSettings("1200,S,7,2");
    EXPECT_EQ(parsed.baudRate, 1200);
    EXPECT_EQ(parsed.parity, QSerialPort::SpaceParity);
    EXPECT_EQ(parsed.dataBits, QSerialPort::Data7);
    EXPECT_EQ(parsed.stopBits, QSerialPort::TwoStop);

    Marquee m;
    prepare(m);
    m.setSerialBaudRate(1200);
    m.setSerialStopBits(2);
    contextOf(m).state.logEnabled = true;  // as Initialize with a log file leaves it

    // A packet far larger than the terminal's buffer keeps the writer busy until the test
    // reads, so the line settings can be taken while the port is open. (A pseudo-terminal
    // keeps rate and stop bits; it refuses other data bits and drops parity.)
    termios seen{};
    bool gotSettings = false;
    QByteArray received;
    std::thread reader([&] {
        gotSettings = pty.settingsWhenDataArrives(seen);
        received = pty.read();
    });
    const bool sent = m.QuickDisplay(QString(200000, u'x'));
    reader.join();
    ASSERT_TRUE(sent) << log().join("\n").toStdString();
    ASSERT_TRUE(gotSettings);
    EXPECT_EQ(received.size(), 200000 + 20);
    EXPECT_EQ(cfgetospeed(&seen), speed_t(B1200));
    EXPECT_TRUE(seen.c_cflag & CSTOPB);
    EXPECT_EQ(contextOf(m).serial.settingsText(), "1200,N,8,2");

    // 20 bytes of frame and codes around the text.
    ASSERT_TRUE(m.QuickDisplay(QString(580, u'y'))) << log().join("\n").toStdString();
    EXPECT_EQ(contextOf(m).serial.outputBufferSize(), 616);
    ASSERT_TRUE(m.QuickDisplay(QString(490, u'y')));
    EXPECT_EQ(contextOf(m).serial.outputBufferSize(), 512);
    ASSERT_TRUE(m.QuickDisplay(QString(491, u'y')));
    EXPECT_EQ(contextOf(m).serial.outputBufferSize(), 527);
    pty.read(200);
}

// Settings go to the port before it opens: one the device refuses (a pseudo-terminal keeps
// eight data bits) fails the packet after its dump line, with a log line, and leaves the
// port closed, so every later packet tries again instead of being refused silently; once
// the setting is one the port takes, the next packet goes through.
TEST_F(SerialMode, ARefusedSettingLeavesThePortClosedAndTheNextPacketTriesAgain) {
    ScopedPauseOverride noPause(0);
    setDumpSwitch(path("dump.txt"));
    const auto sendFailures = [this] {
        return log().filter("Error: ").filter("mscSerialPort[SendToMarquee]; ").size();
    };
    {
        Marquee m;
        prepare(m);
        m.setSerialDataBits(7);
        // Its blanking, memory layout and run sequence fail, but are only logged.
        ASSERT_TRUE(m.Initialize());
        EXPECT_FALSE(m.Reset());
        EXPECT_FALSE(m.Reset());
        EXPECT_FALSE(contextOf(m).serial.isOpen());
        const QStringList dump = lines(path("dump.txt"));
        ASSERT_EQ(dump.size(), 5);
        EXPECT_TRUE(dump[1].contains("[2]E$!AU0008FF00"));
        EXPECT_TRUE(dump[2].endsWith(" --> [1][1][1][1][1][1]Z00[2]E.SLA[4]"));
        EXPECT_TRUE(dump[4].endsWith(" --> [1][1][1][1][1][1]Z00[2]E,[4]"));
        EXPECT_EQ(sendFailures(), 5) << log().join("\n").toStdString();
        EXPECT_TRUE(log().last().contains(pty.slavePath()));
        EXPECT_TRUE(pty.read(100).isEmpty());
    }

    QFile::remove(path("log.txt"));
    Marquee m;
    prepare(m);
    contextOf(m).state.logEnabled = true;  // as Initialize with a log file leaves it
    m.setSerialDataBits(7);
    EXPECT_FALSE(m.Reset());
    EXPECT_EQ(sendFailures(), 1);
    m.setSerialDataBits(8);
    ASSERT_TRUE(m.Reset()) << log().join("\n").toStdString();
    EXPECT_EQ(pty.read(), test::packet("E,"));
    EXPECT_EQ(lines(path("dump.txt")).size(), 7);
    EXPECT_EQ(log().size(), 1);
}

TEST_F(SerialMode, PortThatCannotBeOpenedIsLoggedAfterTheDumpLine) {
    ScopedPauseOverride noPause(0);
    mapComPort(3, path("no-such-tty"));
    setDumpSwitch(path("dump.txt"));
    Marquee m;
    prepare(m);
    ASSERT_TRUE(m.Initialize());  // its blanking and layout fail, but are only logged
    const int initLines = log().size();
    EXPECT_FALSE(m.Reset());
    ASSERT_EQ(log().size(), initLines + 1);
    EXPECT_TRUE(log().last().contains("mscSerialPort[SendToMarquee]; "))
        << log().last().toStdString();
    EXPECT_TRUE(log().last().contains("no-such-tty"));
    EXPECT_TRUE(lines(path("dump.txt")).last().endsWith(" --> [1][1][1][1][1][1]Z00[2]E,[4]"));

    // Clear fails twice: the transport's line first, then Clear's own.
    EXPECT_FALSE(m.Clear());
    ASSERT_EQ(log().size(), initLines + 3);
    EXPECT_TRUE(log()[initLines + 1].contains("[SendToMarquee]; "));
    EXPECT_TRUE(log()[initLines + 2].endsWith(
        "Error: -2147221504, Clear()[Clear]; Failure consequence of SendToMarquee failure.\""));
}

// A settings text that no port can take (four data bits) is refused after the packet's dump
// line, before the port is opened: a logged failure, and nothing reaches the line.
TEST_F(SerialMode, SettingsNoPortCanTakeAreDumpedThenALoggedFailure) {
    ScopedPauseOverride noPause(0);
    setDumpSwitch(path("dump.txt"));
    Marquee m;
    prepare(m);
    m.setSerialDataBits(4);
    ASSERT_TRUE(m.Initialize());
    const int dumped = lines(path("dump.txt")).size();
    EXPECT_FALSE(m.Reset());
    EXPECT_TRUE(log().last().contains(
        "Error: 380, mscSerialPort[SendToMarquee]; Invalid property value: the port cannot take "
        "the settings '9600,N,4,1'."));
    ASSERT_EQ(lines(path("dump.txt")).size(), dumped + 1);
    EXPECT_TRUE(lines(path("dump.txt")).last().endsWith(" --> [1][1][1][1][1][1]Z00[2]E,[4]"));
    EXPECT_FALSE(contextOf(m).serial.isOpen());
    EXPECT_TRUE(pty.read(100).isEmpty());
}

TEST_F(SerialMode, ALineThatNeverDrainsFailsInsteadOfHangingAndResetCommunicationRecovers) {
    Marquee m;
    prepare(m);
    contextOf(m).state.logEnabled = true;
    contextOf(m).serial.setDrainLimitMs(300);
    // Nobody reads the other end: far more than the terminal buffers cannot leave.
    EXPECT_FALSE(m.QuickDisplay(QString(300000, u'x')));
    EXPECT_TRUE(log().last().contains("[SendToMarquee]; The serial port "))
        << log().last().toStdString();
    EXPECT_TRUE(log().last().contains("within 300 ms."));

    // The port stays open after the failure: packets are refused, silently, until
    // ResetCommunication closes it.
    EXPECT_TRUE(contextOf(m).serial.isOpen());
    const int lines = log().size();
    EXPECT_FALSE(m.Reset());
    EXPECT_EQ(log().size(), lines);
    ASSERT_TRUE(m.ResetCommunication());
    EXPECT_FALSE(contextOf(m).serial.isOpen());
    pty.read(200);
    contextOf(m).serial.setDrainLimitMs(-1);
    ASSERT_TRUE(m.Reset());
    EXPECT_TRUE(pty.read().endsWith(test::packet("E,")));

    // Bytes that the operating system still queues for the line count as not sent: the
    // port is closed (and its earlier settings put back) only once they have left.
    int polls = 0;
    bool openWhileQueued = true;
    contextOf(m).serial.setQueueProbe([&]() -> qint64 {
        openWhileQueued = openWhileQueued && contextOf(m).serial.isOpen();
        return 3 - qMin(polls++, 3);
    });
    ASSERT_TRUE(m.Reset());
    EXPECT_EQ(polls, 4);
    EXPECT_TRUE(openWhileQueued);
    EXPECT_FALSE(contextOf(m).serial.isOpen());
    pty.read(200);
    contextOf(m).serial.setDrainLimitMs(300);
    contextOf(m).serial.setQueueProbe([] { return qint64(5); });
    EXPECT_FALSE(m.Reset());
    EXPECT_TRUE(log().last().contains("did not send 5 bytes within 300 ms."))
        << log().last().toStdString();
}

TEST_F(SerialMode, AHostEndsTheWaitForASlowLineByDestroyingTheControl) {
    // 110 baud: the bytes of a large packet may take an hour to leave, which is right for
    // the line, but the host must not be held for all of it.
    EXPECT_EQ(serialDrainTimeoutMs(16'500, 110), 3'600'000);
    auto m = std::make_unique<Marquee>();
    prepare(*m);
    m->setSerialBaudRate(110);
    contextOf(*m).state.logEnabled = true;
    contextOf(*m).serial.setDrainLimitMs(5000);  // only so that a hang here ends at all
    contextOf(*m).serial.setQueueProbe([] { return qint64(16'000); });
    QTimer hostEvent;
    hostEvent.setSingleShot(true);
    QObject::connect(&hostEvent, &QTimer::timeout, [&] { m.reset(); });
    hostEvent.start(50);
    EXPECT_FALSE(m->QuickDisplay(QString(16'480, u'x')));
    EXPECT_FALSE(m);
    EXPECT_TRUE(log().last().contains(
        QRegularExpression(R"(\[SendToMarquee\]; The control was destroyed while the serial port )"
                           R"(.+ still had \d+ bytes to send; they were dropped\.)")))
        << log().join("\n").toStdString();
}

}  // namespace
}  // namespace ztk
