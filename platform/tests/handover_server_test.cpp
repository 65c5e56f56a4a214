// The receiving side against senders and peers that do not play nicely.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QtEndian>

#include <atomic>
#include <thread>

#include <sys/socket.h>
#include <unistd.h>

#include "handoverrecorder.h"
#include "handoverserverthread.h"
#include "platform/eventwait.h"
#include "platform/handover.h"
#include "qtprinters.h"
#include "rawsocket.h"

namespace ztk::platform {
namespace {

using testing::HandoverRecorder;
using testing::HandoverServerThread;

// Reads one 8-byte answer from a raw connection; nothing when none comes in time.
std::optional<qint64> readAnswer(QLocalSocket& socket, int timeoutMs = 5000) {
    while (socket.bytesAvailable() < 8) {
        if (!socket.waitForReadyRead(timeoutMs)) return std::nullopt;
    }
    return qFromLittleEndian<qint64>(socket.read(8).constData());
}

void writeNow(QLocalSocket& socket, const QByteArray& bytes) {
    socket.write(bytes);
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(5000)) {
    }
}

TEST(HandoverServer, RecordsSplitAnywhereAndBackToBackAreServedInOrder) {
    HandoverRecorder sim(QStringLiteral("simwin"));
    ASSERT_TRUE(sim.isListening());
    QLocalSocket raw;
    raw.connectToServer(handoverSocketPath(QStringLiteral("simwin")));
    ASSERT_TRUE(raw.waitForConnected(5000));

    const QByteArray first = test::recordHeader(kCopyDataMessage, 586, 5) + "hello";
    const QByteArray unknown = test::recordHeader(99, 0, 3) + "???";
    const QByteArray second =
        test::recordHeader(kCopyDataMessage, 842, 4) + QByteArray("\x02G0\x00", 4);
    const QByteArray stream = first + unknown + second;
    // Byte by byte through the first header, then in uneven pieces straddling records.
    qsizetype at = 0;
    for (; at < 16; ++at)
        writeNow(raw, stream.mid(at, 1));
    for (const qsizetype piece : {3, 7, 13, 2}) {
        writeNow(raw, stream.mid(at, piece));
        at += piece;
    }
    writeNow(raw, stream.mid(at));

    EXPECT_EQ(readAnswer(raw), 1);
    EXPECT_EQ(readAnswer(raw), kRefused);  // unknown message: refused, connection kept
    EXPECT_EQ(readAnswer(raw), 1);
    const auto records = sim.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].bytes, "hello");
    EXPECT_EQ(records[1].kind, 842u);
    EXPECT_EQ(records[1].bytes, QByteArray("\x02G0\x00", 4));
}

TEST(HandoverServer, OversizeRecordIsRefusedAndOthersAreStillServed) {
    HandoverRecorder sim(QStringLiteral("simwin"));
    ASSERT_TRUE(sim.isListening());
    auto bystander = HandoverClient::find(QStringLiteral("simwin"));
    ASSERT_NE(bystander, nullptr);

    for (const quint32 claimed : {kMaxRecordBytes + 1, 0xFFFFFFFFu}) {
        QLocalSocket raw;
        raw.connectToServer(handoverSocketPath(QStringLiteral("simwin")));
        ASSERT_TRUE(raw.waitForConnected(5000));
        writeNow(raw, test::recordHeader(kCopyDataMessage, 586, claimed) + QByteArray(64, 'x'));
        EXPECT_EQ(readAnswer(raw), kRefused);
        EXPECT_TRUE(raw.state() == QLocalSocket::UnconnectedState || raw.waitForDisconnected(5000));
    }
    EXPECT_EQ(sim.count(), 0u);
    EXPECT_EQ(bystander->sendCopyData(586, "still here"), 1);
    auto newcomer = HandoverClient::find(QStringLiteral("simwin"));
    ASSERT_NE(newcomer, nullptr);
    EXPECT_EQ(newcomer->sendCopyData(586, "me too"), 1);
    EXPECT_EQ(sim.count(), 2u);
}

TEST(HandoverServer, ReceiverThatNeverAcceptsOrVanishesDoesNotHoldTheSender) {
    const QString path = handoverSocketPath(QStringLiteral("mute"));
    const int mute = test::listenWithoutAccepting(path);
    ASSERT_GE(mute, 0);
    auto client = HandoverClient::find(QStringLiteral("mute"), 2000);
    ASSERT_NE(client, nullptr);  // the kernel queues the connection
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(client->sendCopyData(586, "anyone?", 300), std::nullopt);
    EXPECT_LT(clock.elapsed(), 3000);
    client.reset();
    ::close(mute);
    ::unlink(path.toLocal8Bit().constData());

    // This one takes the header of a 1 MB record and hangs up while the data is on its way.
    const QString vanishPath = handoverSocketPath(QStringLiteral("vanish"));
    const int listener = test::listenWithoutAccepting(vanishPath);
    ASSERT_GE(listener, 0);
    std::thread peer([listener] {
        const int connection = ::accept(listener, nullptr, nullptr);
        char header[16];
        ssize_t got = 0;
        while (connection >= 0 && got < 16) {
            const ssize_t n = ::read(connection, header + got, sizeof header - got);
            if (n <= 0) break;
            got += n;
        }
        if (connection >= 0) ::close(connection);
    });
    auto victim = HandoverClient::find(QStringLiteral("vanish"), 2000);
    ASSERT_NE(victim, nullptr);
    clock.restart();
    EXPECT_EQ(victim->sendCopyData(586, QByteArray(1 << 20, 'v'), 20000), std::nullopt);
    EXPECT_LT(clock.elapsed(), 10000);
    peer.join();
    ::close(listener);
    ::unlink(vanishPath.toLocal8Bit().constData());
}

TEST(HandoverServer, ReceiverMayEndItselfFromItsOwnCallbacks) {
    std::atomic<int> handled{0};
    std::atomic<bool> gone{false};
    HandoverServerThread receiver([&](std::unique_ptr<HandoverServer>& server) {
        ASSERT_TRUE(server->listen(QStringLiteral("simwin")));
        HandoverServer* raw = server.get();
        // The way a window closes itself: the server goes away inside the signal.
        QObject::connect(raw, &HandoverServer::closeRequested, raw, [&server, &gone] {
            server.reset();
            gone = true;
        });
        raw->setCopyDataHandler([&](std::uint64_t, const QByteArray&) -> std::int64_t {
            ++handled;
            return 7;
        });
    });

    auto client = HandoverClient::find(QStringLiteral("simwin"));
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->sendCopyData(586, "a"), 7);
    EXPECT_TRUE(client->sendClose());
    EXPECT_EQ(client->sendCopyData(586, "b", 2000), std::nullopt);
    EXPECT_EQ(handled.load(), 1);
    ASSERT_TRUE(waitUntil([&] { return gone.load(); }, 10, 10000));
    EXPECT_EQ(HandoverClient::find(QStringLiteral("simwin"), 500), nullptr);
    // The class is free again for the next receiver.
    HandoverRecorder next(QStringLiteral("simwin"));
    EXPECT_TRUE(next.isListening());
}

}  // namespace
}  // namespace ztk::platform
