// SPDX-License-Identifier: MIT
#pragma once
// A fixture for the display tests: an initialized control in simulate mode whose packets
// reach a recording hand-over receiver one by one, and message files in a private folder.

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
inline QByteArray braced(const QByteArray& text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 3 < text.size() && text[i + 3] == '}') {
            out += QByteArray::fromHex(text.mid(i + 1, 2));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The packet that writes text file "A" with `body` (written as for braced()).
inline QByteArray textPacket(const QByteArray& body) {
    return packet("AA" + braced(body));
}

using Packets = std::vector<QByteArray>;

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
        QFile out(path(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(xml);
        m.setMessageFile(out.fileName());
        return out.fileName();
    }

    // The packets received so far (sends are synchronous), without the hand-over's zero
    // byte; the record is emptied.
    Packets take() {
        Packets packets;
        for (const auto& record : sim.records())
            packets.push_back(record.bytes.chopped(1));
        sim.clear();
        return packets;
    }

    platform::testing::HandoverRecorder sim{"simwin"};
    Marquee m;
};

}  // namespace ztk::test
