// SPDX-License-Identifier: MIT
// The sign window on its own: size and zoom, placement, the context menu and its commands,
// and the link in the link bar.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QWindow>

#include <QFile>
#include <QTemporaryDir>

#include "hyperlinklabel.h"
#include "linkbar.h"
#include "platform/eventwait.h"
#include "protocolsignwindow.h"
#include "simapp_testsupport.h"
#include "simsettings.h"

namespace ztk::simapp {
namespace {

class SignWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { QApplication::setQuitOnLastWindowClosed(false); }
    std::unique_ptr<ProtocolSignWindow> makeWindow() {
        return std::make_unique<ProtocolSignWindow>(settings_, prompter_, "sign-window-test", 20);
    }
    QSize screen() const { return QGuiApplication::primaryScreen()->availableGeometry().size(); }

    testing::SettingsFolder folder_;
    SimSettings settings_{folder_.settingsPath()};
    testing::RecordingPrompter prompter_;
};

TEST_F(SignWindowTest, TheDefaultSignIsSixPixelsAnLedAboveTheLinkBar) {
    auto window = makeWindow();
    window->setSignGeometry({}, 5);
    EXPECT_EQ(window->windowTitle(), "Orvex 5210C");
    EXPECT_EQ(window->size(), QSize(720, 164));
    EXPECT_EQ(window->ledArea(), QRect(0, 0, 720, 144));
    ASSERT_NE(window->linkBar(), nullptr);
    EXPECT_EQ(window->linkBar()->geometry(), QRect(0, 144, 720, 20));
    EXPECT_TRUE(window->engineRunning());
    EXPECT_EQ(settings_.integer(key::kZoom, -1), 5);
}

TEST_F(SignWindowTest, TheContextMenuOffersTheCommandsWithTheirStates) {
    auto window = makeWindow();
    window->setSignGeometry({}, 0);
    QStringList texts;
    for (QAction* action : window->contextMenu().actions())
        texts << (action->isSeparator() ? QString("-") : action->text());
    EXPECT_EQ(texts, QStringList({"Change &Display...\tCtrl+D", "-", "Make &Larger\tCtrl+PgUp",
                                  "Make &Smaller\tCtrl+PgDn", "-", "24-Hour &Clock", "Stay on &Top",
                                  "-", "&About OrvexSim..."}));
    const QList<QAction*> actions = window->contextMenu().actions();
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_EQ(actions[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    EXPECT_EQ(actions[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_PageDown));

    // At zoom 0 the sign cannot get smaller.
    EXPECT_FALSE(actions[3]->isEnabled());
    EXPECT_TRUE(actions[2]->isEnabled());
    window->makeLarger();
    EXPECT_EQ(window->zoom(), 1);
    EXPECT_EQ(window->size(), QSize(240, 68));
    EXPECT_TRUE(window->contextMenu().actions()[3]->isEnabled());

    // A sign wider than the screen starts at the largest zoom that fits and cannot grow.
    sim::DisplayModel wide;
    wide.columns = screen().width() / 2 + 1;
    window->setSignGeometry(wide, 5);
    EXPECT_EQ(window->zoom(), 0);
    EXPECT_TRUE(window->zoomCapped());
    EXPECT_FALSE(window->contextMenu().actions()[2]->isEnabled());
    window->makeLarger();
    EXPECT_EQ(window->zoom(), 0);

    window->toggleHour24();
    window->toggleStayOnTop();
    EXPECT_TRUE(actions[5]->isChecked());
    EXPECT_TRUE(actions[6]->isChecked());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(settings_.integer(key::kHour24, 0), 1);
    EXPECT_EQ(settings_.integer(key::kTopmost, 0), 1);
    window->toggleStayOnTop();
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(settings_.integer(key::kTopmost, 1), 0);
}

TEST_F(SignWindowTest, AStoredPositionOffTheScreenCentresTheWindow) {
    settings_.setInteger(key::kLeft, 5000);
    settings_.setInteger(key::kTop, 10);
    auto window = makeWindow();
    window->setSignGeometry({}, 5);
    window->placeAndShow();
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window->pos(),
              room.topLeft() + QPoint((room.width() - 720) / 2, (room.height() - 164) / 2));

    settings_.setInteger(key::kLeft, 30);
    settings_.setInteger(key::kTop, 40);
    auto placed = makeWindow();
    placed->setSignGeometry({}, 5);
    placed->placeAndShow();
    EXPECT_EQ(placed->pos(), QPoint(30, 40));
    placed->move(50, 60);
    placed->close();
    EXPECT_FALSE(placed->engineRunning());
    EXPECT_EQ(settings_.integer(key::kLeft, -1), 50);
    EXPECT_EQ(settings_.integer(key::kTop, -1), 60);
}

// A program called xdg-open in a folder put first on PATH, ending with `status`.
class FakeXdgOpen {
  public:
    explicit FakeXdgOpen(int status) : path_(qEnvironmentVariable("PATH")) {
        QFile script(dir_.filePath("xdg-open"));
        script.open(QIODevice::WriteOnly);
        script.write(QByteArray("#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/opened\"\nexit ") +
                     QByteArray::number(status) + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", (dir_.path() + ':' + path_).toLocal8Bit());
        qunsetenv("BROWSER");
    }
    ~FakeXdgOpen() { qputenv("PATH", path_.toLocal8Bit()); }
    QString opened() const {
        QFile file(dir_.filePath("opened"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).trimmed()
                                              : QString();
    }

  private:
    QTemporaryDir dir_;
    QString path_;
};

TEST_F(SignWindowTest, TheLinkTurnsVisitedOnlyWhenOpeningReallySucceeded) {
    HyperlinkLabel link(prompter_);
    link.setTarget("https://example.invalid/");
    {
        // xdg-open starts but finds no browser: the reason is its own, and the link stays.
        FakeXdgOpen noBrowser(3);
        link.open();
        ASSERT_TRUE(platform::waitUntil([&] { return !prompter_.texts.empty(); }, 10, 10000));
        EXPECT_EQ(prompter_.texts[0],
                  "Unable to open hyperlink:\n\nxdg-open found no program to open web "
                  "addresses.\nBROWSER is not set.");
        EXPECT_EQ(noBrowser.opened(), "https://example.invalid/");
        EXPECT_EQ(link.textColor(), kLinkColor);
    }
    {
        FakeXdgOpen works(0);
        link.open();
        ASSERT_TRUE(platform::waitUntil([&] { return link.visited(); }, 10, 10000));
        EXPECT_EQ(link.textColor(), kVisitedColor);
        EXPECT_EQ(prompter_.texts.size(), 1u);
    }
    // No xdg-open at all, and a BROWSER that cannot start.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    qputenv("BROWSER", "/nonexistent/browser --new-window");
    HyperlinkLabel lost(prompter_);
    lost.open();
    ASSERT_TRUE(platform::waitUntil([&] { return prompter_.texts.size() == 2; }, 10, 10000));
    qputenv("PATH", path);
    qunsetenv("BROWSER");
    EXPECT_EQ(prompter_.texts[1],
              "Unable to open hyperlink:\n\nxdg-open was not found.\nThe program "
              "\"/nonexistent/browser\" named by BROWSER could not be started.");
    EXPECT_FALSE(lost.visited());
}

TEST_F(SignWindowTest, StayOnTopKeepsTheNativeWindow) {
    auto window = makeWindow();
    window->setSignGeometry({}, 2);
    window->placeAndShow();
    const WId id = window->winId();
    window->toggleStayOnTop();
    EXPECT_EQ(window->winId(), id);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window->toggleStayOnTop();
    EXPECT_EQ(window->winId(), id);
    EXPECT_FALSE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace
}  // namespace ztk::simapp
