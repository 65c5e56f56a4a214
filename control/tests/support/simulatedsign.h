#pragma once
// A fixture for the display tests: an initialized control in simulate mode whose packets
// reach a recording hand-over receiver one by one, and message files written into the
// test's private folder.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include <vector>

#include "ZTKMarqueeControl/marquee.h"
#include "front/marqueecontext.h"
#include "handoverrecorder.h"
#include "support/controltesting.h"

namespace ztk::test {

// Bytes written readably: "{1C}2HI{0D}" is 0x1C, "2", "H", "I", 0x0D.
inline QByteArray braced(const char* text) {
    QByteArray out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '{' && p[1] != '\0' && p[2] != '\0' && p[3] == '}') {
            out += QByteArray::fromHex(QByteArray(p + 1, 2));
            p += 3;
        } else {
            out += *p;
        }
    }
    return out;
}

// The packet that writes text file "A" with `body` (written as for braced()).
inline QByteArray textPacket(const char* body) {
    return packet("AA" + braced(body));
}

class SimulatedSignTest : public ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        qputenv("ORVEXSIM", "/bin/true");
        ASSERT_TRUE(sim.isListening());
        m.setMarqueeConnectMode(2);
        m.setMarqueeLogFile(path("log.txt"));
        ASSERT_TRUE(m.Initialize());
        ASSERT_TRUE(sim.waitForRecords(1, 5000));
        sim.clear();
    }
    void TearDown() override {
        qunsetenv("ORVEXSIM");
        ControlTest::TearDown();
    }

    QStringList log() const { return lines(path("log.txt")); }
    MarqueeContext& context() { return contextOf(m); }

    // Writes `xml` to `name` in the private folder and makes it the control's MessageFile.
    QString useFile(const QByteArray& xml, const QString& name = QStringLiteral("items.xml")) {
        const QString file = path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(xml);
        out.close();
        m.setMessageFile(file);
        return file;
    }

    // The packets received so far, without the zero byte of the hand-over; the list is
    // emptied. Packets still in flight are waited for briefly.
    std::vector<QByteArray> take(std::size_t atLeast = 0) {
        if (atLeast > 0) {
            EXPECT_TRUE(sim.waitForRecords(atLeast, 5000));
        }
        std::vector<QByteArray> packets;
        for (const auto& record : sim.records())
            packets.push_back(record.bytes.chopped(1));
        sim.clear();
        return packets;
    }

    platform::testing::HandoverRecorder sim{"simwin"};
    Marquee m;
};

}  // namespace ztk::test
