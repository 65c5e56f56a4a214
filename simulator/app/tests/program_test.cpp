// SPDX-License-Identifier: MIT
// The real program: its command line without a display, reading back a running sign, and
// a clean end on SIGTERM.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>

#include <csignal>

#include "platform/eventwait.h"
#include "platform/handover.h"
#include "simapp_testsupport.h"
#include "simsettings.h"

namespace ztk::simapp {
namespace {

using testing::ProgramCopy;
using testing::RunningProgram;

QStringList offscreen() {
    return {QStringLiteral("QT_QPA_PLATFORM=offscreen")};
}

// Starts a sign under `className` and waits until its class is registered.
std::unique_ptr<RunningProgram> startSign(const ProgramCopy& program, const QString& className,
                                          QStringList arguments = {}) {
    arguments << "-class" << className;
    auto sign = std::make_unique<RunningProgram>(program.path(), arguments, offscreen());
    const QString socket = platform::handoverSocketPath(className);
    platform::waitUntil([&] { return QFileInfo::exists(socket); }, 10, 20000);
    return sign;
}

TEST(ProgramTest, HelpVersionAndRefusalsNeedNoDisplay) {
    RunningProgram help(ORVEXSIM_PROGRAM, {"--help"}, testing::withoutDisplay());
    EXPECT_EQ(help.waitForExit(), 0);
    for (const char* listed :
         {"-class NAME", "-title NAME", "-x N", "-y N", "-c N", "-m HEX", "-o HEX", "-f HEX",
          "-nolink", "-listen PORT", "-listen ADDRESS:PORT", "-pty PATH", "-address HEX",
          "-leds FILE", "-snapshot FILE", "\"/flag value\"", "--version"})
        EXPECT_TRUE(help.standardOutput().contains(listed)) << listed;
    EXPECT_EQ(help.standardError(), "");

    RunningProgram version(ORVEXSIM_PROGRAM, {"--version"}, testing::withoutDisplay());
    EXPECT_EQ(version.waitForExit(), 0);
    EXPECT_TRUE(version.standardOutput().startsWith("orvexsim 2."));

    // Reading back from a class nobody runs fails with a clear message.
    RunningProgram nobody(ORVEXSIM_PROGRAM, {"-class", "nobody-runs-this", "-leds", "-"},
                          testing::withoutDisplay());
    EXPECT_EQ(nobody.waitForExit(), 1);
    EXPECT_EQ(nobody.standardError(),
              "orvexsim: no simulator runs under the class "
              "\"nobody-runs-this\"\n");
    EXPECT_EQ(nobody.standardOutput(), "");

    RunningProgram badPort(ORVEXSIM_PROGRAM, {"-listen", "70000"}, testing::withoutDisplay());
    EXPECT_EQ(badPort.waitForExit(), 2);
    EXPECT_TRUE(badPort.standardError().contains("the port must be a number from 0 to 65535"));
}

TEST(ProgramTest, ATitleFollowedByAFlagIsNotTakenByQtAndTheScreenReadsBack) {
    const ProgramCopy program;
    const QString className = testing::uniqueClassName() + "-title";
    // "-title" without a value reads TRUE; "-x" stays a flag of ours.
    auto sign = startSign(program, className, {"-title", "-x", "100", "-y", "8", "-nolink"});
    const QString shot = program.folder() + "/shot.png";
    RunningProgram readBack(program.path(), {"-class", className, "-snapshot", shot},
                            testing::withoutDisplay());
    ASSERT_EQ(readBack.waitForExit(), 0) << readBack.standardError().toStdString();
    const QImage image(shot);
    EXPECT_EQ(image.size(), QSize(100 * 6, 8 * 6));
    EXPECT_EQ(image.text("Title"), "TRUE");  // what the window system was told
    EXPECT_EQ(image.text("Description"), "TRUE,100,8,3,3FFF,3FF,77");

    RunningProgram leds(program.path(), {"-class", className, "-leds", "-"},
                        testing::withoutDisplay());
    ASSERT_EQ(leds.waitForExit(), 0);
    const QStringList rows = leds.standardOutput().split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(rows.size(), 8);
    EXPECT_EQ(rows.value(0).size(), 100);
}

TEST(ProgramTest, SigtermEndsTheSignAsClosingItsWindowDoes) {
    const ProgramCopy program;
    const QString className = testing::uniqueClassName() + "-term";
    const QString link = program.folder() + "/ttyTerm";
    auto sign = startSign(program, className, {"-pty", link, "-listen", "0"});
    ASSERT_TRUE(sign->waitForOutput("serial line at " + link + "\n"));
    EXPECT_TRUE(sign->standardOutput().startsWith("listening on 127.0.0.1:"));
    const QString socket = platform::handoverSocketPath(className);
    ASSERT_TRUE(QFileInfo::exists(socket));
    ASSERT_TRUE(QFileInfo(link).isSymLink());

    sign->sendSignal(SIGTERM);
    EXPECT_EQ(sign->waitForExit(), 0);
    EXPECT_FALSE(QFileInfo::exists(socket));
    EXPECT_FALSE(QFileInfo::exists(socket.chopped(5) + ".lock"));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    const SimSettings settings(program.settingsPath());
    EXPECT_GE(settings.integer(key::kLeft, -1), 0);
    EXPECT_GE(settings.integer(key::kTop, -1), 0);

    // SIGHUP and SIGINT do the same.
    for (const int number : {SIGHUP, SIGINT}) {
        auto again = startSign(program, className);
        ASSERT_TRUE(QFileInfo::exists(socket));
        again->sendSignal(number);
        EXPECT_EQ(again->waitForExit(), 0) << number;
        EXPECT_FALSE(QFileInfo::exists(socket)) << number;
    }
}

TEST(ProgramTest, LosingTheDisplaySavesWhatItCanAndFails) {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) GTEST_SKIP() << "Xvfb is not installed";
    // A display of our own, on the first free number, that the test can take away.
    RunningProgram display(xvfb,
                           {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
    ASSERT_TRUE(display.waitForOutput("\n"));
    const QString number = display.standardOutput().trimmed();

    const ProgramCopy program;
    const QString className = testing::uniqueClassName() + "-display";
    const QString link = program.folder() + "/ttyLost";
    RunningProgram sign(program.path(), {"-class", className, "-pty", link},
                        {"DISPLAY=:" + number, "QT_QPA_PLATFORM=", "WAYLAND_DISPLAY="});
    ASSERT_TRUE(sign.waitForOutput("serial line at"));
    const QString socket = platform::handoverSocketPath(className);
    ASSERT_TRUE(platform::waitUntil([&] { return QFileInfo::exists(socket); }, 10, 20000));

    display.sendSignal(SIGTERM);
    ASSERT_TRUE(display.waitForExit());
    const auto status = sign.waitForExit();
    ASSERT_TRUE(status);
    EXPECT_NE(*status, 0);
    EXPECT_TRUE(sign.standardError().contains("the window position was saved"))
        << sign.standardError().toStdString();
    EXPECT_FALSE(QFileInfo::exists(socket));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    const SimSettings settings(program.settingsPath());
    EXPECT_GE(settings.integer(key::kLeft, -1), 0);
}

}  // namespace
}  // namespace ztk::simapp
