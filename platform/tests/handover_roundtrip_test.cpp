// Copy-data, close and activate records travelling from a HandoverClient to a receiver.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "handoverrecorder.h"
#include "platform/handover.h"
#include "qtprinters.h"

namespace ztk::platform {
namespace {

using testing::HandoverRecorder;

QByteArray patterned(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    return bytes;
}

TEST(HandoverRoundTrip, RecordsOfEverySizeArriveIntactOverOneConnection) {
    HandoverRecorder sim(QStringLiteral("simwin"));
    ASSERT_TRUE(sim.isListening());
    sim.setResult(4242);
    auto client = HandoverClient::find(QStringLiteral("simwin"));
    ASSERT_NE(client, nullptr);

    // Packets with NUL and high bytes, the sizes a sign packet spans, up to the cap.
    const std::vector<QByteArray> payloads = {{},
                                              QByteArray("\x01\x01Z00\x02G0\x00x", 11),
                                              patterned(4096),
                                              patterned((1 << 20) + 7),
                                              patterned(kMaxRecordBytes)};
    std::uint64_t kind = 586;
    for (const QByteArray& payload : payloads) {
        EXPECT_EQ(client->sendCopyData(kind, payload, 30000), 4242) << payload.size();
        kind = kind == 586 ? 842 : 586;
    }
    // One byte over the cap is refused before it leaves, and the connection stays usable.
    EXPECT_EQ(client->sendCopyData(586, patterned(qsizetype(kMaxRecordBytes) + 1)), std::nullopt);
    EXPECT_EQ(client->sendCopyData(330, "tail"), 4242);

    const auto records = sim.records();
    ASSERT_EQ(records.size(), payloads.size() + 1);
    kind = 586;
    for (std::size_t i = 0; i < payloads.size(); ++i) {
        EXPECT_EQ(records[i].message, kCopyDataMessage);
        EXPECT_EQ(records[i].kind, kind);
        EXPECT_EQ(records[i].bytes, payloads[i]) << "record " << i;
        kind = kind == 586 ? 842 : 586;
    }
    EXPECT_EQ(records.back().kind, 330u);
    EXPECT_EQ(records.back().bytes, "tail");
}

TEST(HandoverRoundTrip, CloseAndActivateAreAnsweredAndRecorded) {
    HandoverRecorder sim(QStringLiteral("simwin"));
    ASSERT_TRUE(sim.isListening());
    sim.setResult(0);  // a copy-data result of 0 is still an answer
    auto client = HandoverClient::find(QStringLiteral("simwin"));
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->sendCopyData(586, "x"), 0);
    EXPECT_TRUE(client->sendActivate());
    EXPECT_TRUE(client->sendClose());

    // Close and activate signals follow their answers, so their records may trail them.
    ASSERT_TRUE(sim.waitForRecords(3, 10000));
    const auto records = sim.records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].message, kActivateMessage);
    EXPECT_EQ(records[2].message, kCloseMessage);
    EXPECT_TRUE(records[2].bytes.isEmpty());
}

TEST(HandoverRoundTrip, FindWithoutReceiverIsQuickAndOtherClassesStayApart) {
    HandoverRecorder other(QStringLiteral("otherclass"));
    ASSERT_TRUE(other.isListening());
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(HandoverClient::find(QStringLiteral("simwin"), 5000), nullptr);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_NE(HandoverClient::find(QStringLiteral("otherclass")), nullptr);
}

TEST(HandoverRoundTrip, HungReceiverCostsOnlyTheBoundAndSpoilsOnlyThatConnection) {
    HandoverRecorder sim(QStringLiteral("simwin"));
    ASSERT_TRUE(sim.isListening());
    sim.setAnswerDelay(1500);
    auto client = HandoverClient::find(QStringLiteral("simwin"));
    ASSERT_NE(client, nullptr);

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(client->sendCopyData(586, "late", 200), std::nullopt);
    EXPECT_LT(clock.elapsed(), 1400);
    // The late answer must not pass for the answer to a later record.
    sim.setAnswerDelay(0);
    ASSERT_TRUE(sim.waitForRecords(1, 10000));
    EXPECT_EQ(client->sendCopyData(586, "next", 5000), std::nullopt);

    auto fresh = HandoverClient::find(QStringLiteral("simwin"));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->sendCopyData(586, "again", 5000), 1);
}

}  // namespace
}  // namespace ztk::platform
