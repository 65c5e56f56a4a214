// SPDX-License-Identifier: MIT
// The whole program in this process: start-up under a class, records handed over by a real
// hand-over client (as the control sends them) showing on the window, reconfiguration,
// closing, and a second start of the real program under the same class.
#include <gtest/gtest.h>

#include <QApplication>

#include <spawn.h>
#include <sys/wait.h>

#include "platform/eventwait.h"
#include "protocolsignwindow.h"
#include "simapp_testsupport.h"
#include "simcore/interpreter.h"
#include "simcore/palette.h"
#include "simulatorapp.h"

namespace ztk::simapp {
namespace {

using testing::packet;

// Text file "A": middle line, hold, red "HI", then green "OK".
const QByteArray kHello = packet(
    "AA\x1b b\x1c"
    "1HI \x1c"
    "2OK");
// Text file "A": the same line with string file " " in the middle.
const QByteArray kTemplate = packet(
    "AA\x1b b\x1c"
    "1<\x10 >");
const QByteArray kStringOn = packet("G 42");

class HandoverWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        app_ = std::make_unique<SimulatorApp>(folder_.settingsPath(), prompter_);
    }
    bool start(QStringList arguments = {}) {
        arguments << "-class" << className_;
        return app_->start(arguments) == SimulatorApp::StartResult::Running;
    }
    ProtocolSignWindow& window() { return *app_->window(); }
    std::optional<std::int64_t> send(std::uint64_t kind, const QByteArray& data) {
        // As the control sends it: the packet and one zero byte.
        return testing::sendCopyData(className_, kind, data + '\0');
    }
    // Waits until the window shows what `packets` show rendered offline; returns that.
    sim::LedBitmap expectShown(const std::vector<QByteArray>& packets) {
        const sim::LedBitmap expected = testing::ledsRendered(window().model(), packets, 10);
        EXPECT_TRUE(testing::waitForLeds(window().screenImage(), window().model(), window().zoom(),
                                         expected));
        return expected;
    }
    // The LEDs that show `index`.
    static std::vector<QPoint> lit(const sim::LedBitmap& leds, std::uint8_t index) {
        std::vector<QPoint> found;
        for (int y = 0; y < leds.rows(); ++y)
            for (int x = 0; x < leds.columns(); ++x)
                if (leds.at(x, y) == index) found.emplace_back(x, y);
        return found;
    }

    testing::SettingsFolder folder_;
    testing::RecordingPrompter prompter_;
    QString className_ = testing::uniqueClassName();
    std::unique_ptr<SimulatorApp> app_;
};

TEST_F(HandoverWindowTest, PacketsHandedOverShowOnTheSign) {
    ASSERT_TRUE(start({"-title", "Hall", "-x", "48", "-y", "8", "-nolink"}));
    EXPECT_EQ(window().windowTitle(), "Hall");
    EXPECT_EQ(window().size(), QSize(48 * 6, 8 * 6));
    EXPECT_TRUE(window().isVisible());

    EXPECT_EQ(send(sim::kKindNewMessage, kHello), 1);
    const sim::LedBitmap hello = expectShown({kHello});
    EXPECT_GT(lit(hello, sim::kLedRed).size(), 10u);
    EXPECT_GT(lit(hello, sim::kLedGreen).size(), 10u);
    // What the window paints: a red LED's dot in the sign's red, the gap between dots black.
    const QImage shot = window().grab().toImage();
    const QPoint red = lit(hello, sim::kLedRed).front() * 6;
    EXPECT_EQ(shot.pixel(red + QPoint(2, 2)), sim::toArgb(sim::palette()[sim::kLedRed]));
    EXPECT_EQ(shot.pixel(red + QPoint(5, 5)), qRgb(0, 0, 0));

    // A template that calls a string file, then the string file on its own while the engine
    // runs: the next page shows its text.
    EXPECT_EQ(send(sim::kKindNewMessage, kTemplate), 1);
    EXPECT_EQ(send(sim::kKindStringFile, kStringOn), 1);
    EXPECT_EQ(send(sim::kKindNewMessage, kTemplate), 1);
    const sim::LedBitmap filled = expectShown({kStringOn, kTemplate});
    EXPECT_NE(filled, testing::ledsRendered(window().model(), {kTemplate}, 10));

    EXPECT_EQ(send(12345, "?"), 0);  // a kind nobody sends is not handled
}

TEST_F(HandoverWindowTest, AModelLineReconfiguresAndRecompilesWhatIsStored) {
    ASSERT_TRUE(start({"-x", "48", "-y", "8"}));
    EXPECT_EQ(send(sim::kKindNewMessage, kHello), 1);
    expectShown({kHello});

    // A single-colour sign: both words now compile to red.
    EXPECT_EQ(send(sim::kKindModelLine, "Mono,40,8,1,3FFF,3FF,77"), 1);
    EXPECT_EQ(window().windowTitle(), "Mono");
    EXPECT_EQ(window().zoom(), 5);  // kept
    EXPECT_EQ(window().size(), QSize(240, 68));
    EXPECT_EQ(window().model().colors, 1);
    EXPECT_TRUE(window().engineRunning());
    const sim::LedBitmap mono = expectShown({kHello});
    EXPECT_GT(lit(mono, sim::kLedRed).size(), 20u);
    EXPECT_TRUE(lit(mono, sim::kLedGreen).empty());

    // A line that is no model, or a sign too large to show, changes nothing.
    EXPECT_EQ(send(sim::kKindModelLine, "Broken,abc"), 0);
    EXPECT_EQ(send(sim::kKindModelLine, "Huge,100000,8,1,3FFF,3FF,77"), 0);
    EXPECT_EQ(window().windowTitle(), "Mono");
    EXPECT_TRUE(window().engineRunning());
}

TEST_F(HandoverWindowTest, ACloseRecordClosesTheWindowAndKeepsItsPlace) {
    ASSERT_TRUE(start());
    window().move(70, 80);
    ASSERT_TRUE(testing::sendClose(className_));
    ASSERT_TRUE(platform::waitUntil([&] { return !window().isVisible(); }, 10, 5000));
    EXPECT_FALSE(window().engineRunning());
    const SimSettings stored(folder_.settingsPath());
    EXPECT_EQ(stored.integer(key::kLeft, -1), 70);
    EXPECT_EQ(stored.integer(key::kTop, -1), 80);
    EXPECT_EQ(stored.integer(key::kZoom, -1), 5);
}

TEST_F(HandoverWindowTest, ASecondStartUnderTheClassBringsTheFirstForwardAndFails) {
    ASSERT_TRUE(start());
    window().showMinimized();
    ASSERT_TRUE(window().isMinimized());

    // The real program, as the control would start it again. posix_spawn rather than
    // QProcess, whose vfork-style start ThreadSanitizer cannot follow.
    const QByteArray classArg = className_.toUtf8();
    char* argv[] = {const_cast<char*>(ORVEXSIM_PROGRAM), const_cast<char*>("-class"),
                    const_cast<char*>(classArg.constData()), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, ORVEXSIM_PROGRAM, nullptr, nullptr, argv, environ), 0);
    int status = 0;
    ASSERT_TRUE(
        platform::waitUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 10, 20000));
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_FALSE(window().isMinimized());
}

}  // namespace
}  // namespace ztk::simapp
