// SPDX-License-Identifier: MIT
// The extensions for hosts: a listener told every recorded failure, packet and pause, a
// packet sink in place of the sign, and the attribute-word tables.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "ZTKMarqueeControl/marquee.h"
#include "front/pausetimer.h"
#include "support/controltesting.h"

namespace ztk {
namespace {

struct Recorder final : MarqueeListener, PacketSink {
    void failureRecorded(const QString& message) override { failures << message; }
    void packetSending(const QByteArray& packet) override { sent << packet; }
    void pausing(int milliseconds, const QString&) override { pauses << milliseconds; }
    QString take(const QByteArray& packet) override {
        kept += packet;
        return refusal;
    }

    QStringList failures;
    QList<QByteArray> sent;
    QList<int> pauses;
    QByteArray kept;
    QString refusal;
};

class Extensions : public test::ControlTest {};

// Failures reach the listener with or without a log file; the log, when it is on, holds
// exactly those messages in its own line format, and nothing when it is off.
TEST_F(Extensions, ListenerHearsEveryFailureTheLogWouldHold) {
    ScopedPauseOverride noPause(0);
    mapComPort(3, path("no-such-tty"));
    for (const bool logging : {false, true}) {
        SCOPED_TRACE(logging);
        const QString log = path(logging ? "on.txt" : "off.txt");
        Recorder recorder;
        Marquee m;
        m.setListener(&recorder);
        m.setSerialComPort(3);
        if (logging) m.setMarqueeLogFile(log);
        EXPECT_TRUE(m.Initialize());  // its packets fail, but Initialize does not look
        EXPECT_FALSE(m.ChangeMode("3"));
        ASSERT_EQ(recorder.failures.size(), 5);
        EXPECT_TRUE(recorder.failures[0].startsWith("Error: 1, mscSerialPort[SendToMarquee]; "))
            << recorder.failures[0].toStdString();
        EXPECT_EQ(recorder.failures[1],
                  "Error: -2147221504, Clear()[Clear]; Failure consequence of SendToMarquee "
                  "failure.");
        EXPECT_EQ(recorder.failures[4],
                  "Error: -2147221504, ZTKMarqueeControl[ChangeMode]; Invalid mode.  Cannot "
                  "change to mode: 3");
        EXPECT_EQ(recorder.sent.size(), 3);
        EXPECT_EQ(recorder.pauses, QList<int>{2000});
        const QStringList written = lines(log);
        ASSERT_EQ(written.size(), logging ? 5 : 0);
        for (qsizetype i = 0; i < written.size(); ++i) {
            EXPECT_TRUE(QRegularExpression(R"(^"\d\d-\d\d-\d{4} \d\d:\d\d:\d\d  -->  .*"$)")
                            .match(written[i])
                            .hasMatch());
            EXPECT_TRUE(written[i].endsWith("  -->  " + recorder.failures[i] + '"'));
        }
        m.setListener(nullptr);
    }
}

// With a sink, Initialize sends its packets there in every connect mode, connects nothing
// and does not pause; a sink that cannot keep a packet fails the call with its reason.
TEST_F(Extensions, SinkStandsInForTheSign) {
    for (const std::uint8_t mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Recorder recorder;
        Marquee m;
        m.setListener(&recorder);
        m.setPacketSink(&recorder);
        m.setMarqueeConnectMode(mode);  // TCP with no address, simulate with no simulator
        EXPECT_TRUE(m.Initialize());
        EXPECT_TRUE(m.QuickDisplay("HI", "Red"));
        EXPECT_EQ(recorder.kept, test::initializePackets() + test::packet("AA\x1b"
                                                                          "0o\x1c"
                                                                          "1\x1a"
                                                                          "3HI"));
        EXPECT_TRUE(recorder.pauses.isEmpty());
        EXPECT_TRUE(recorder.failures.isEmpty()) << recorder.failures.join('\n').toStdString();
        EXPECT_EQ(m.GetSocketState(), "Closed [0]");

        recorder.refusal = "cannot write out.bin: No space left on device";
        EXPECT_FALSE(m.Reset());
        EXPECT_EQ(recorder.failures,
                  QStringList{"Error: -2147221504, ZTKMarqueeControl[SendToMarquee]; cannot "
                              "write out.bin: No space left on device"});
        m.setListener(nullptr);
        m.setPacketSink(nullptr);
    }
}

// The tables know their words in any letter case and as their numbers, nothing else.
TEST_F(Extensions, AttributeWordsAreTheTables) {
    using T = Marquee::AttributeTable;
    EXPECT_EQ(Marquee::AttributeWords(T::Color).size(), 12);
    EXPECT_EQ(Marquee::AttributeWords(T::Color)[2], "GREEN");
    EXPECT_EQ(Marquee::AttributeWords(T::Font)[1], "S7");
    EXPECT_EQ(Marquee::AttributeWords(T::Mode).size(), 18);
    EXPECT_EQ(Marquee::AttributeWords(T::Special).back(), "STARBURST");
    EXPECT_EQ(Marquee::AttributeWords(T::Position),
              QStringList({"FILL", "TOP", "MIDDLE", "BOTTOM"}));
    for (const QString word : {"green", "Green", "2", "02", "2.0"})
        EXPECT_TRUE(Marquee::IsKnownAttribute(T::Color, word)) << word.toStdString();
    for (const QString word : {"Purple", "", " Green", "12", "-1", "AUTOCOLOUR"})
        EXPECT_FALSE(Marquee::IsKnownAttribute(T::Color, word)) << word.toStdString();
    EXPECT_TRUE(Marquee::IsKnownAttribute(T::Special, "sparkle"));
    EXPECT_FALSE(Marquee::IsKnownAttribute(T::Special, "automode"));
    EXPECT_FALSE(Marquee::IsKnownAttribute(T::Font, "Huge"));
}

}  // namespace
}  // namespace ztk
