// SPDX-License-Identifier: MIT
// Records travelling from a HandoverClient to a receiver, including receivers and senders
// that misbehave.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QtEndian>

#include <atomic>

#include "handoverrecorder.h"
#include "handoverserverthread.h"
#include "platform/eventwait.h"
#include "platform/handover.h"
#include "qtprinters.h"

namespace ztk::platform {
namespace {

using testing::HandoverRecorder;
using testing::HandoverServerThread;
const QString kSim = QStringLiteral("simwin");

QByteArray patterned(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    return bytes;
}

QByteArray recordHeader(quint32 message, quint64 kind, quint32 length) {
    QByteArray header(16, '\0');
    qToLittleEndian(message, header.data());
    qToLittleEndian(kind, header.data() + 4);
    qToLittleEndian(length, header.data() + 12);
    return header;
}

std::optional<qint64> readAnswer(QLocalSocket& socket) {
    while (socket.bytesAvailable() < 8) {
        if (!socket.waitForReadyRead(5000)) return std::nullopt;
    }
    return qFromLittleEndian<qint64>(socket.read(8).constData());
}

void writeNow(QLocalSocket& socket, const QByteArray& bytes) {
    socket.write(bytes);
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(5000)) {
    }
}

TEST(Handover, RecordsOfEverySizeArriveIntactOverOneConnection) {
    HandoverRecorder sim(kSim);
    ASSERT_TRUE(sim.isListening());
    sim.setResult(4242);
    auto client = HandoverClient::find(kSim);
    ASSERT_NE(client, nullptr);

    // Packets with NUL and high bytes, from empty up to the cap, alternating kinds.
    const std::vector<QByteArray> payloads = {{},
                                              QByteArray("\x01Z00\x02G0\x00", 8),
                                              patterned((1 << 20) + 7),
                                              patterned(kMaxRecordBytes)};
    for (std::size_t i = 0; i < payloads.size(); ++i) {
        EXPECT_EQ(client->sendCopyData(i % 2 ? 842 : 586, payloads[i], 30000), 4242) << i;
    }
    // One byte over the cap is refused before it leaves; the connection stays usable.
    EXPECT_EQ(client->sendCopyData(586, patterned(qsizetype(kMaxRecordBytes) + 1)), std::nullopt);
    EXPECT_TRUE(client->sendActivate());
    EXPECT_TRUE(client->sendClose());

    // Close and activate signals follow their answers, so their records may trail them.
    ASSERT_TRUE(sim.waitForRecords(payloads.size() + 2, 10000));
    const auto records = sim.records();
    ASSERT_EQ(records.size(), payloads.size() + 2);
    for (std::size_t i = 0; i < payloads.size(); ++i) {
        EXPECT_EQ(records[i].message, kCopyDataMessage);
        EXPECT_EQ(records[i].kind, i % 2 ? 842u : 586u);
        EXPECT_EQ(records[i].bytes, payloads[i]) << i;
    }
    EXPECT_EQ(records[payloads.size()].message, kActivateMessage);
    EXPECT_EQ(records[payloads.size() + 1].message, kCloseMessage);
}

TEST(Handover, RecordsSplitAnywhereAndBackToBackAreServedInOrder) {
    HandoverRecorder sim(kSim);
    ASSERT_TRUE(sim.isListening());
    QLocalSocket raw;
    raw.connectToServer(handoverSocketPath(kSim));
    ASSERT_TRUE(raw.waitForConnected(5000));

    const QByteArray stream = recordHeader(kCopyDataMessage, 586, 5) + "hello" +
                              recordHeader(99, 0, 3) + "???" +
                              recordHeader(kCopyDataMessage, 842, 2) + "G0";
    // Byte by byte through the first header, then in uneven pieces straddling records.
    qsizetype at = 0;
    for (const qsizetype piece : {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 7, 13, 2}) {
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
    EXPECT_EQ(records[1].bytes, "G0");
}

TEST(Handover, OversizeRecordIsRefusedAndOthersAreStillServed) {
    HandoverRecorder sim(kSim);
    ASSERT_TRUE(sim.isListening());
    auto bystander = HandoverClient::find(kSim);
    ASSERT_NE(bystander, nullptr);
    for (const quint32 claimed : {kMaxRecordBytes + 1, 0xFFFFFFFFu}) {
        QLocalSocket raw;
        raw.connectToServer(handoverSocketPath(kSim));
        ASSERT_TRUE(raw.waitForConnected(5000));
        writeNow(raw, recordHeader(kCopyDataMessage, 586, claimed) + QByteArray(64, 'x'));
        EXPECT_EQ(readAnswer(raw), kRefused);
        EXPECT_TRUE(raw.state() == QLocalSocket::UnconnectedState || raw.waitForDisconnected(5000));
    }
    EXPECT_EQ(bystander->sendCopyData(586, "still here"), 1);
    auto newcomer = HandoverClient::find(kSim);
    ASSERT_NE(newcomer, nullptr);
    EXPECT_EQ(newcomer->sendCopyData(586, "me too"), 1);
    EXPECT_EQ(sim.count(), 2u);
}

TEST(Handover, AbsentOrHungReceiverCostsOnlyTheBound) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(HandoverClient::find(kSim, 5000), nullptr);
    EXPECT_LT(clock.elapsed(), 2000);

    HandoverRecorder sim(kSim);
    ASSERT_TRUE(sim.isListening());
    sim.setAnswerDelay(1500);
    auto client = HandoverClient::find(kSim);
    ASSERT_NE(client, nullptr);
    clock.restart();
    EXPECT_EQ(client->sendCopyData(586, "late", 200), std::nullopt);
    EXPECT_LT(clock.elapsed(), 1400);
    // The late answer must not pass for the answer to a later record.
    sim.setAnswerDelay(0);
    ASSERT_TRUE(sim.waitForRecords(1, 10000));
    EXPECT_EQ(client->sendCopyData(586, "next", 5000), std::nullopt);
    auto fresh = HandoverClient::find(kSim);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->sendCopyData(586, "fresh", 5000), 1);
}

TEST(Handover, ReceiverVanishingMidCallEndsTheCallAtOnce) {
    std::atomic<bool> gone{false};
    HandoverServerThread receiver([&](std::unique_ptr<HandoverServer>& server) {
        ASSERT_TRUE(server->listen(kSim));
        // As a window that closes while it handles a record: the server dies in the handler.
        server->setCopyDataHandler([&](std::uint64_t kind, const QByteArray&) -> std::int64_t {
            if (kind == 0) {
                server.reset();
                gone = true;
            }
            return 7;
        });
    });
    auto client = HandoverClient::find(kSim);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->sendCopyData(586, "a"), 7);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(client->sendCopyData(0, QByteArray(1 << 20, 'v'), 20000), std::nullopt);
    EXPECT_LT(clock.elapsed(), 10000);
    ASSERT_TRUE(waitUntil([&] { return gone.load(); }, 10, 10000));
    EXPECT_EQ(HandoverClient::find(kSim, 500), nullptr);
    HandoverRecorder next(kSim);  // the class is free again
    EXPECT_TRUE(next.isListening());
}

TEST(Handover, AReadBackReplyFollowsItsAnswerAndKeepsTheConnectionInStep) {
    const QByteArray screen = patterned(3 << 20);
    HandoverServerThread receiver([&](std::unique_ptr<HandoverServer>& server) {
        ASSERT_TRUE(server->listen(kSim));
        server->setCopyDataHandler([](std::uint64_t kind, const QByteArray&) -> std::int64_t {
            return kind == 586 ? 1 : 0;
        });
        server->setReadBackHandler(
            [&](const QByteArray& request) { return request == "screen" ? screen : QByteArray(); });
    });
    auto client = HandoverClient::find(kSim);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->requestReadBack("screen"), screen);
    EXPECT_EQ(client->sendCopyData(586, "after"), 1);  // the reply was read whole
    EXPECT_EQ(client->requestReadBack("unknown"), QByteArray());
    EXPECT_EQ(client->requestReadBack("screen"), screen);

    // A receiver without read-back answers as for any unknown kind: nothing to read back.
    HandoverRecorder plain(QStringLiteral("plain"));
    auto toPlain = HandoverClient::find(QStringLiteral("plain"));
    ASSERT_NE(toPlain, nullptr);
    EXPECT_EQ(toPlain->requestReadBack("screen"), QByteArray());
}

}  // namespace
}  // namespace ztk::platform
