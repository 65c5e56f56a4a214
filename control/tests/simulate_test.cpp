// SPDX-License-Identifier: MIT
// Simulate mode against a recording hand-over receiver of the window class "simwin".
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include "ZTKMarqueeControl/marquee.h"
#include "front/marqueecontext.h"
#include "handoverrecorder.h"
#include "platform/handover.h"
#include "support/controltesting.h"

namespace ztk {
namespace {

using platform::testing::HandoverRecorder;

class SimulateMode : public test::ControlTest {
  protected:
    void SetUp() override {
        ControlTest::SetUp();
        // Initialize starts "the simulator": a program that exits at once.
        qputenv("ORVEXSIM", "/bin/true");
    }
    void TearDown() override {
        qunsetenv("ORVEXSIM");
        ControlTest::TearDown();
    }
    void prepare(Marquee& m) {
        m.setMarqueeConnectMode(2);
        m.setMarqueeLogFile(path("log.txt"));
    }
    QStringList log() const { return lines(path("log.txt")); }
};

TEST_F(SimulateMode, KindsFollowTheCommandAndDataEndsWithOneZeroByte) {
    HandoverRecorder sim("simwin");
    ASSERT_TRUE(sim.isListening());
    setDumpSwitch(path("dump.txt"));
    Marquee m;
    prepare(m);
    ASSERT_TRUE(m.Initialize());  // blank text file only: no memory layout in simulate mode
    MarqueeContext& c = contextOf(m);
    for (const char* name : {"a", "b", "c"})
        c.variables.add(name, 2);
    ASSERT_TRUE(m.Clear());
    ASSERT_TRUE(m.QuickDisplay("G\x02G"));

    ASSERT_TRUE(sim.waitForRecords(6, 5000));
    const auto records = sim.records();
    ASSERT_EQ(records.size(), 6u);
    const std::vector<std::pair<std::uint64_t, QByteArray>> expected{
        {586, test::packet("AA ")},
        {586, test::packet("AA ")},
        {842, test::packet("G  ")},
        {842, test::packet("G! ")},
        {842, test::packet("G\" ")},
        {842, test::packet("AA\x1B"
                           "0o\x1C"
                           "C\x1A"
                           "3G\x02G")},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(records[i].message, platform::kCopyDataMessage);
        EXPECT_EQ(records[i].kind, expected[i].first) << i;
        EXPECT_EQ(records[i].bytes, expected[i].second + '\0') << i;
    }
    EXPECT_EQ(c.variables.count(), 0);
    EXPECT_TRUE(lines(path("dump.txt")).isEmpty());
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(SimulateMode, NoReceiverFailsSilentlyAndOnlyClearLogsItsConsequence) {
    Marquee m;
    prepare(m);
    ASSERT_TRUE(m.Initialize());
    ASSERT_EQ(log().size(), 1);
    EXPECT_TRUE(log()[0].endsWith(
        "Error: -2147221504, Clear()[Clear]; Failure consequence of SendToMarquee failure.\""));
    EXPECT_FALSE(m.QuickDisplay("x"));
    EXPECT_FALSE(m.Reset());
    EXPECT_EQ(log().size(), 1);

    // Once the simulator is there, packets go through.
    HandoverRecorder sim("simwin");
    ASSERT_TRUE(m.Reset());
    ASSERT_TRUE(sim.waitForRecords(1, 5000));
    EXPECT_EQ(sim.records()[0].bytes, test::packet("E,") + '\0');
}

TEST_F(SimulateMode, ARefusedRecordIsALoggedFailure) {
    HandoverRecorder sim("simwin");
    sim.setResult(platform::kRefused);
    Marquee m;
    prepare(m);
    m.Initialize();
    EXPECT_FALSE(m.Reset());
    EXPECT_TRUE(log().last().endsWith(
        "Error: -2147221504, ZTKMarqueeControl[SendToMarquee]; The simulator did not take the "
        "packet.\""));
}

// Points XDG_RUNTIME_DIR elsewhere while alive.
class ScopedRuntimeDir {
  public:
    explicit ScopedRuntimeDir(const QString& dir) : previous_(qgetenv("XDG_RUNTIME_DIR")) {
        QDir().mkpath(dir);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
    }
    ~ScopedRuntimeDir() { qputenv("XDG_RUNTIME_DIR", previous_); }

  private:
    QByteArray previous_;
};

TEST_F(SimulateMode, ASocketFolderThatIsNotPrivateIsNamedInTheLog) {
    const ScopedRuntimeDir runtime(path("runtime"));
    const QString folder = path("runtime/orvexsim");
    const QByteArray native = QFile::encodeName(folder);
    const QString prefix =
        "  -->  Simulate mode cannot reach the simulator: the socket folder " + folder;

    ASSERT_EQ(::mkdir(native.constData(), 0755), 0);
    Marquee m;
    prepare(m);
    m.Initialize();
    ASSERT_EQ(log().size(), 2);
    EXPECT_TRUE(log()[0].contains(prefix + " can be entered by other users (mode 0755, not 0700)"))
        << log()[0].toStdString();
    EXPECT_TRUE(log()[1].endsWith("Failure consequence of SendToMarquee failure.\""));

    if (::geteuid() == 0) {
        ASSERT_EQ(::chmod(native.constData(), 0700), 0);
        ASSERT_EQ(::chown(native.constData(), 65534, 65534), 0);
        EXPECT_TRUE(m.ResetCommunication());  // starting the simulator is not looked at
        EXPECT_TRUE(log().last().contains(prefix + " belongs to user 65534, not to this user (0)"))
            << log().last().toStdString();
    }
    ASSERT_EQ(::rmdir(native.constData()), 0);
    ASSERT_TRUE(QFile(folder).open(QIODevice::WriteOnly));
    EXPECT_TRUE(m.ResetCommunication());
    EXPECT_TRUE(log().last().contains(prefix + " is not a folder")) << log().last().toStdString();
}

TEST_F(SimulateMode, DestroyingTheControlClosesTheSimulatorOnlyInSimulateMode) {
    HandoverRecorder sim("simwin");
    { Marquee serial; }
    {
        Marquee m;
        prepare(m);
    }
    ASSERT_TRUE(sim.waitForRecords(1, 5000));
    const auto records = sim.records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].message, platform::kCloseMessage);
}

}  // namespace
}  // namespace ztk
