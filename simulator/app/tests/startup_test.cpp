// SPDX-License-Identifier: MIT
// Start-up choices: the command line, the stored model line, the settings file,
// and the zoom that fits the screen.
#include <gtest/gtest.h>

#include "commandline.h"
#include "signgeometry.h"
#include "simapp_testsupport.h"
#include "simsettings.h"

namespace ztk::simapp {
namespace {

StartupOptions startWith(const QStringList& arguments, const QString& stored = {}) {
    return startupOptions(CommandLine::parse(arguments), stored);
}

TEST(CommandLineTest, FlagsTakeTheFollowingValueAndNumbersTheirLeadingDigits) {
    const CommandLine line = CommandLine::parse(
        {"stray", "-class", "simwin", "/title", "Sign1", "-x", "160", "extra", "-X", "9"});
    EXPECT_EQ(line.value("class"), "simwin");
    EXPECT_EQ(line.value("title"), "Sign1");
    EXPECT_EQ(line.decimal("x", 120), 160);
    EXPECT_FALSE(line.has("stray"));     // no flag was pending for it
    EXPECT_EQ(line.decimal("X", 0), 9);  // names are case-sensitive: "X" is not "x"

    const StartupOptions hex = startWith({"-m", "1F", "-x", "1F", "-o", "zz", "-f"});
    EXPECT_EQ(hex.model.modeMask, 0x1Fu);
    EXPECT_EQ(hex.model.columns, 1);       // the decimal reading stops at the letter
    EXPECT_EQ(hex.model.featureMask, 0u);  // no digits
    EXPECT_EQ(hex.model.fontMask, 0u);     // "TRUE" has no hexadecimal digits either

    const StartupOptions bare = startWith({"-title"});
    EXPECT_EQ(bare.model.name, "TRUE");
    EXPECT_EQ(bare.className, "OrvexSimWnd");
    EXPECT_EQ(bare.linkBarHeight, 20);
    EXPECT_EQ(startWith({"-nolink", "-class", "simwin"}).linkBarHeight, 0);
}

TEST(CommandLineTest, ModelComesFromTheDefaultsTheCommandLineOrTheStoredLine) {
    const sim::DisplayModel defaults = startWith({}).model;
    EXPECT_EQ(defaults.format(), "Orvex 5210C,120,24,3,3FFF,3FF,77");

    const QString stored = "Stored Sign,80,16,1,1FF,3,7";
    // Without a title the stored line wins over the model keys ...
    EXPECT_EQ(startWith({"-x", "200", "-y", "40"}, stored).model.format(), stored.toStdString());
    // ... and a title brings the command line back.
    EXPECT_EQ(startWith({"-title", "Mine", "-x", "200"}, stored).model.format(),
              "Mine,200,24,3,3FFF,3FF,77");
    // A stored line that cannot be a sign is passed over, and sizes outside what can be
    // shown are brought into range.
    EXPECT_EQ(startWith({"-x", "0", "-c", "99999999999"}, "Broken,0,0").model.format(),
              "Orvex 5210C,1,24,8,3FFF,3FF,77");
}

TEST(SettingsFileTest, ReadsHandWrittenValuesAndTheDisplaysListUpToTheFirstGap) {
    testing::SettingsFolder folder;
    folder.write(
        "[Settings]\n"
        "cmdInfo=Hand Made,64,16,1,3FFF,3FF,77\n"
        "Zoom=7px\n"
        "left=junk\n"
        "[Displays]\n"
        "D001=One,120,24,3,3FFF,3FF,77\n"
        "D002=\"Two,0,0,3,3FFF,3FF,77\"\n"
        "D004=Four,8,8,1,1,1,1\n");
    SimSettings settings(folder.settingsPath());
    EXPECT_EQ(settings.text(key::kCmdInfo), "Hand Made,64,16,1,3FFF,3FF,77");
    EXPECT_EQ(settings.integer(key::kZoom, 5), 7);
    EXPECT_EQ(settings.integer(key::kLeft, -1), -1);
    EXPECT_EQ(settings.displays(),
              QStringList({"One,120,24,3,3FFF,3FF,77", "Two,0,0,3,3FFF,3FF,77"}));
}

TEST(ZoomFitTest, TheLargestZoomThatFitsTheScreen) {
    const QSize screen(1024, 768);
    EXPECT_EQ(fitZoom(120, 24, 5, 20, screen), (ZoomFit{5, false}));
    EXPECT_EQ(clientSize(120, 24, 5, 20), QSize(720, 164));
    EXPECT_EQ(fitZoom(24, 24, 31, 20, screen), (ZoomFit{15, true}));  // what can be drawn
    // The link bar counts: 47 rows at pitch 16 are 752 pixels, 772 with the bar.
    EXPECT_EQ(fitZoom(24, 47, 15, 20, screen), (ZoomFit{14, true}));
    EXPECT_EQ(fitZoom(4096, 24, 5, 20, screen), (ZoomFit{0, true}));
    EXPECT_EQ(fitZoom(120, 24, -3, 20, screen), (ZoomFit{0, false}));

    // The window frame and title bar count: 46 rows at pitch 16 with the link bar take 756
    // pixels, which fit 768 alone but not with a 30-pixel title bar and a 4-pixel border.
    EXPECT_EQ(fitZoom(24, 46, 15, 20, screen), (ZoomFit{15, false}));
    EXPECT_EQ(fitZoom(24, 46, 15, 20, clientRoom(screen, {4, 30, 4, 4})), (ZoomFit{14, true}));
    EXPECT_EQ(clientRoom(QSize(10, 10), {8, 30, 8, 8}), QSize(0, 0));
}

TEST(ZoomFitTest, PlacementKeepsTheWholeFrameOnTheScreen) {
    const QRect room(0, 0, 1024, 768);
    const QSize frame(728, 198);
    EXPECT_EQ(framePlacement(room, frame, {30, 40}), QPoint(30, 40));
    // A stored place that would let the frame spill over is moved back just enough.
    EXPECT_EQ(framePlacement(room, frame, {900, 700}), QPoint(1024 - 728, 768 - 198));
    // Off the screen (or never stored): centred, frame included.
    EXPECT_EQ(framePlacement(room, frame, {5000, 10}), QPoint(148, 285));
    EXPECT_EQ(framePlacement(room, frame, {-1, -1}), QPoint(148, 285));
    // A frame larger than the screen keeps its title bar on it.
    EXPECT_EQ(framePlacement(room, QSize(2000, 1000), {10, 10}), QPoint(0, 0));
    EXPECT_EQ(framePlacement(QRect(100, 50, 800, 600), frame, {100, 60}), QPoint(100, 60));
}

TEST(CommandLineTest, PathFlagsTakeTheNextArgumentAsItIs) {
    const CommandLine line = CommandLine::parse(
        {"-pty", "/tmp/ttySign", "-leds", "-", "/snapshot", "-x", "-title", "-x", "160"});
    EXPECT_EQ(line.value("pty"), "/tmp/ttySign");
    EXPECT_EQ(line.value("leds"), "-");
    EXPECT_EQ(line.value("snapshot"), "-x");
    // "-title" is no path flag: followed by a flag it reads TRUE, and "-x" keeps its value.
    EXPECT_EQ(line.value("title"), "TRUE");
    EXPECT_EQ(line.decimal("x", 0), 160);
    EXPECT_FALSE(line.has("tmp/ttySign"));
    EXPECT_EQ(CommandLine::parse({"-pty"}).value("pty"), "TRUE");
}

}  // namespace
}  // namespace ztk::simapp
