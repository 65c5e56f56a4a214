// SPDX-License-Identifier: MIT
// The example factory board: the committed file is what the writers produce now, and every
// item of it, read back by the control, reaches a TCP peer and a serial line exactly as the
// editor content that was written implies.
#include <gtest/gtest.h>

#include <QFile>

#include <atomic>
#include <thread>

#include "ZTKMarqueeControl/marquee.h"
#include "factoryboard.h"
#include "front/pausetimer.h"
#include "msgfile/save.h"
#include "support/controltesting.h"
#include "support/ptypair.h"
#include "support/simulatedsign.h"
#include "support/tcprecorder.h"

namespace ztk {
namespace {

using test::braced;
using test::packet;

const QString kExampleFile = QStringLiteral(ZTK_EXAMPLES_DIR "/factory.xml");

QByteArray blanks(const char* label, int width) {
    return packet(QByteArray("G") + label + QByteArray(width, ' '));
}

QByteArray shown(const QByteArray& body) {
    return packet("AA" + body);
}

// Line Status: green labels, amber fields, the temperature field red, "°C" in Latin-1.
const QByteArray kLineStatus = braced(
    "{1B}0b{09}{1D}41"
    "{1C}2{1A}3Line 1 {1C}3{1A}3{10} {0D}"
    "{1C}2{1A}3Made {1C}3{1A}3{10}!{1C}2{1A}3 Goal {1C}3{1A}3{10}\"{0D}"
    "{1C}2{1A}3Temp {1C}1{1A}3{10}#{1C}2{1A}3 {B0}C        {0D}");

// Shift Board: page 1 held at speed 2, page 2 without hold and with its rotating line.
const QByteArray kShiftBoard = braced(
    "{1B}\"b{1E}1{16}"
    "{1C}2{1A}3Shift A  06-14  {0D}"
    "{1C}3{1A}3Lead{1C}2{1A}3 {1C}2{1A}3{10} {0D}"
    "{1B}\"b{1E}1{09}"
    "{1C}2{1A}3Shift B  14-22  {0D}"
    "{1C}3{1A}3Lead{1C}2{1A}3 {1C}2{1A}3{10}!{0D}"
    "{1B}&a{1C}C{1A}3{1C}3{1A}3Wear your helmet and safety glasses");

const QByteArray kOutput = braced(
    "{1B}\"a{17}{1C}2{1A}3Made {17}{1C}2{1A}3{10} "
    "{17}{1C}2{1A}3 parts, goal {17}{1C}2{1A}3{10}!");

const QByteArray kWelcome =
    braced("{1B} n1{16}{1C}3{1A}3Welcome to {17}{1C}2{1A}3Hall {17}{1C}2{1A}3{10} ");

const QByteArray kFire = braced("{1B}0c{19}{1C}1{1A}3FIRE in hall 2 - leave now");
const QByteArray kFlood = braced("{1B}\"g{17}{1C}3{1A}1Flood at dock 3");
const QByteArray kGas = braced("{1B}&n7{17}{1C}1{1A}3GAS{17}{1C}3{1A}3 <leak> no sparks");

// Shows every item of the example file in turn; false at the first call that fails.
bool showEveryItem(Marquee& m) {
    m.setMessageFile(kExampleFile);
    bool ok = true;
    m.setTemplateName("Line Status");
    ok = ok && m.ChangeMode("TEMPLATE") && m.UpdateVariable("count", "1234");
    m.setTemplateName("Shift Board");
    ok = ok && m.ChangeMode("TEMPLATE");
    m.setStringName("Output");
    ok = ok && m.ChangeMode("STRING");
    m.setStringName("Welcome");
    ok = ok && m.ChangeMode("STRING");
    for (const char* alarm : {"Fire", "Flood", "Gas"}) {
        m.setAlarmName(alarm);
        ok = ok && m.AlarmAdd();
    }
    return ok && m.AlarmAcknowledgeAll();
}

// What the sign receives for showEveryItem() after Initialize.
QByteArray expectedSession() {
    QByteArray all;
    all += packet("AA ") + shown(kLineStatus) + blanks(" ", 13) + blanks("!", 5) + blanks("\"", 4) +
           blanks("#", 4);
    all += packet("G!1234 ");
    all += packet("AA ") + blanks(" ", 1) + blanks("!", 1) + blanks("\"", 1) + blanks("#", 1) +
           shown(kShiftBoard) + blanks(" ", 11) + blanks("!", 11);
    all += packet("AA ") + blanks(" ", 1) + blanks("!", 1) + shown(kOutput);
    all += packet("AA ") + blanks(" ", 1) + blanks("!", 1) + shown(kWelcome);
    all += shown(kFire) + shown(kFlood + kFire) + shown(kGas + kFlood + kFire);
    all += packet("AA ") + shown(kWelcome);
    return all;
}

TEST(ExampleFiles, CommittedFileIsWhatTheWritersProduceNow) {
    pugi::xml_document doc;
    std::string problem;
    ASSERT_TRUE(examples::buildFactoryBoard(doc, problem)) << problem;
    QFile committed(kExampleFile);
    ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray::fromStdString(msgfile::serializeDocument(doc)), committed.readAll())
        << "run the build target update-examples and commit the result";
}

class ExampleSession : public test::ControlTest {
  protected:
    // Initializes `m`, shows every item and expects `received()` to be exactly the packets.
    template <typename Received>
    void expectEveryItem(Marquee& m, Received&& received) {
        ScopedPauseOverride noPause(0);
        m.setMarqueeLogFile(path("log.txt"));
        ASSERT_TRUE(m.Initialize() && showEveryItem(m))
            << lines(path("log.txt")).join('\n').toStdString();
        EXPECT_EQ(received(), test::initializePackets() + expectedSession());
        EXPECT_TRUE(lines(path("log.txt")).isEmpty());
    }
};

TEST_F(ExampleSession, EveryItemReachesALoopbackPeerByteExact) {
    test::TcpRecorder peer;
    Marquee m;
    m.setMarqueeConnectMode(1);
    m.setNetworkAddress("127.0.0.1");
    m.setNetworkPort(peer.port());
    expectEveryItem(m, [&] {
        peer.waitForBytes(int(test::initializePackets().size() + expectedSession().size()));
        return peer.bytes();
    });
}

TEST_F(ExampleSession, EveryItemReachesASerialLineByteExact) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.isOpen());
    mapComPort(3, pty.slavePath());
    // The line is read while the control writes, as a sign would.
    std::atomic<bool> done{false};
    QByteArray bytes;
    std::thread reader([&] {
        while (!done)
            bytes += pty.read(100);
        bytes += pty.read(100);
    });
    Marquee m;
    m.setSerialComPort(3);
    expectEveryItem(m, [&] {
        done = true;
        reader.join();
        return bytes;
    });
    if (reader.joinable()) {
        done = true;
        reader.join();
    }
}

}  // namespace
}  // namespace ztk
