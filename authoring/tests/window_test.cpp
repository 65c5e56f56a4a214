// SPDX-License-Identifier: MIT
// The main window on the offscreen platform: menus and their enabled states, the pop-up
// menus' captions, accessible names, the splitter's limits and the two dialogs.
#include "aboutdialog.h"
#include "dialogprompter.h"
#include "explorerview.h"
#include "legendo/nodekey.h"
#include "legendo/windowgeometry.h"
#include "legendotestsupport.h"
#include "mainwindow.h"
#include "newnamedialog.h"
#include "ztkversion.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace ztk::legendo::testing {
namespace {

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() { clearStoredList(); }
    ~WindowTest() override { clearStoredList(); }

    void SetUp() override {
        path = dir.file("board.xml");
        msgfile::test::writeFile(path, kSampleFile);
        window.show();
        window.startUp({path});
    }
    QAction* action(const char* name) const {
        QAction* found = window.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Presses `button` on the node `key` in the explorer.
    void press(const std::string& key, Qt::MouseButton button = Qt::LeftButton) {
        ExplorerView* tree = window.explorer();
        QTreeWidgetItem* item = tree->itemFor(key);
        ASSERT_NE(item, nullptr) << key;
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), button, {}, tree->visualItemRect(item).center());
    }
    QString caption(const char* name) const { return action(name)->text(); }

    msgfile::test::TempDir dir;
    std::string path;
    ScriptedPrompter prompter;
    MainWindow window{prompter};
};

TEST_F(WindowTest, ManagerMenuFollowsTheSelection) {
    QMenu* manager = window.findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(manager, nullptr);
    QStringList texts;
    for (QAction* item : manager->actions())
        texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(texts, (QStringList{"&New Message File...", "-", "&Add Message File...",
                                  "&Remove Message File", "-", "&New Message...", "&Delete Message",
                                  "-", "E&xit"}));
    EXPECT_EQ(window.menuBar()->actions().size(), 2);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Legendo"));

    struct Case {
        std::string key;
        bool remove, messageNew, messageDelete;
    };
    const std::vector<Case> cases = {
        {path, true, false, false},
        {path + "::Templates", true, true, false},
        {path + "::Templates::Line Status", true, false, true},
        {kRootKey, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        press(c.key);
        EXPECT_EQ(window.model().selection().selectedKey, c.key);
        EXPECT_EQ(action("mnuFileRemove")->isEnabled(), c.remove);
        EXPECT_EQ(action("mnuMessageNew")->isEnabled(), c.messageNew);
        EXPECT_EQ(action("mnuMessageDelete")->isEnabled(), c.messageDelete);
    }

    // The arrow keys move the selection as clicks do.
    QTest::keyClick(window.explorer(), Qt::Key_Down);
    EXPECT_EQ(window.model().selection().selectedKey, path);
    EXPECT_TRUE(action("mnuFileRemove")->isEnabled());
}

TEST_F(WindowTest, PopUpMenusShowTheirRunTimeCaptions) {
    auto shownItems = [&](PopupMenu which) {
        QMenu* menu = window.popupMenu(which);
        EXPECT_TRUE(menu->isVisible());
        QStringList texts;
        for (QAction* item : menu->actions())
            texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
        menu->close();
        return texts;
    };
    EXPECT_EQ(caption("mnuFormatNewMultipg"), QStringLiteral("New Multipage Message"));
    press(path + "::Templates::Shift Board", Qt::RightButton);
    EXPECT_EQ(shownItems(PopupMenu::Object), (QStringList{"Delete Template", "-", "Cancel"}));
    press(path + "::Alarms::Fire", Qt::RightButton);
    EXPECT_EQ(shownItems(PopupMenu::Object), (QStringList{"Delete Alarm", "-", "Cancel"}));
    press(path + "::Templates", Qt::RightButton);
    EXPECT_EQ(shownItems(PopupMenu::FormatTemplate),
              (QStringList{"New Template", "New Multipage Template", "-", "Cancel"}));
    press(path + "::Strings", Qt::RightButton);
    EXPECT_EQ(shownItems(PopupMenu::Format), (QStringList{"New String", "-", "Canel"}));
    press(path, Qt::RightButton);
    EXPECT_EQ(shownItems(PopupMenu::XmlFile), (QStringList{"Remove Message File", "-", "Cancel"}));
    press(kRootKey, Qt::RightButton);
    EXPECT_EQ(shownItems(PopupMenu::Xml),
              (QStringList{"New Message File...", "Add Message File...", "-", "Cancel"}));

    // Picking an item runs its operation: the new alarm appears under its folder.
    press(path + "::Alarms", Qt::RightButton);
    window.popupMenu(PopupMenu::Format)->close();
    prompter.names = {"Gas"};
    action("mnuFormatNew")->trigger();
    ASSERT_NE(window.explorer()->itemFor(path + "::Alarms::Gas"), nullptr);
    EXPECT_TRUE(window.explorer()->itemFor(path + "::Alarms")->isExpanded());
    EXPECT_EQ(window.explorer()->itemFor(path + "::Alarms")->child(1)->text(0), "Gas");
}

TEST_F(WindowTest, EveryControlAndMenuItemHasItsLabelAsAccessibleName) {
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        QAccessibleInterface* menuFace = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(menuFace, nullptr);
        int index = 0;
        for (QAction* item : menu->actions()) {
            QAccessibleInterface* face = menuFace->child(index++);
            ASSERT_NE(face, nullptr);
            if (item->isSeparator()) continue;
            QString expected = item->text();
            expected.remove(QLatin1Char('&'));
            EXPECT_EQ(face->text(QAccessible::Name), expected);
        }
    }
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->objectName().startsWith(QStringLiteral("fra")) &&
            widget->objectName() != QStringLiteral("TreeView1")) {
            continue;
        }
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
    }
    // Every labelled control, the editors' as well as the dialogs', is named by its label
    // without the "&" and without the colon.
    int labelled = 0;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->buddy()) continue;
        ++labelled;
        QString expected = label->text();
        expected.remove(QLatin1Char('&'));
        if (expected.endsWith(QLatin1Char(':'))) expected.chop(1);
        EXPECT_EQ(label->buddy()->accessibleName(), expected)
            << label->buddy()->objectName().toStdString();
    }
    EXPECT_GT(labelled, 20);
    NewNameDialog name(QStringLiteral("New String"));
    EXPECT_EQ(name.findChild<QLineEdit*>(QStringLiteral("txtNewName"))->accessibleName(),
              QStringLiteral("Enter a new name"));
    // The tree's items expose their texts.
    QTreeWidgetItem* item = window.explorer()->itemFor(path + "::Strings::Welcome");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->data(0, Qt::AccessibleTextRole).toString(), QStringLiteral("Welcome"));
}

TEST_F(WindowTest, SplitterStopsAtItsLimitsAndTheWindowAtItsMinimum) {
    using namespace geometry;
    EXPECT_EQ(window.minimumSize(), QSize(pixels(kInitialWidth), pixels(kInitialHeight)));
    EXPECT_EQ(window.splitter()->sizes().front(), pixels(kSplitterStart));
    const int total = window.splitter()->width();
    window.splitter()->setSizes({0, total});
    EXPECT_EQ(window.splitter()->sizes().front(), pixels(kSplitterMinLeft));
    window.splitter()->setSizes({total, 0});
    const int handle = window.splitter()->handleWidth();
    EXPECT_EQ(total - window.splitter()->sizes().front(), pixels(kSplitterMinRight));
    EXPECT_EQ(handle, pixels(kSplitterWidth));
    EXPECT_EQ(clampSplitter(0, kInitialWidth), kSplitterMinLeft);
    EXPECT_EQ(clampSplitter(20000, kInitialWidth), kInitialWidth - kSplitterMinRight);
    // Each editor's panel sits inside its frame.
    for (Panel panel : {Panel::Template, Panel::Multipage, Panel::String})
        EXPECT_EQ(window.frame(panel)->layout()->count(), 1);
}

TEST_F(WindowTest, EveryEditorFitsTheSmallestWindowWithTheSplitterAtItsRightLimit) {
    using namespace geometry;
    const int total = window.splitter()->width();
    window.splitter()->setSizes({total, 0});
    const std::vector<std::pair<std::string, Panel>> items = {
        {path + "::Templates::Line Status", Panel::Template},
        {path + "::Templates::Shift Board", Panel::Multipage},
        {path + "::Strings::Welcome", Panel::String}};
    for (const auto& [key, panel] : items) {
        SCOPED_TRACE(key);
        press(key);
        ASSERT_EQ(window.frontPanel(), panel);
        QApplication::processEvents();
        QWidget* editor = window.frame(panel)->layout()->itemAt(0)->widget();
        ASSERT_NE(editor, nullptr);
        // Nothing of the editor is squeezed below the size its controls need.
        const QSize needed = editor->minimumSizeHint();
        EXPECT_LE(needed.width(), editor->width());
        EXPECT_LE(needed.height(), editor->height());
        EXPECT_GE(editor->width(), pixels(kSplitterMinRight) - pixels(kSplitterWidth) -
                                       pixels(kPanelRightMargin) - 2);
    }
}

TEST(ExampleFileTest, EveryItemOpensInItsEditorAtItsOwnSizeWithoutAMessage) {
    clearStoredList();
    const std::string example = ZTK_EXAMPLES_DIR "/factory.xml";
    ScriptedPrompter prompter;
    MainWindow window(prompter);
    window.show();
    window.startUp({example});
    const std::vector<std::pair<std::string, Panel>> items = {
        {example + "::Templates::Line Status", Panel::Template},
        {example + "::Templates::Shift Board", Panel::Multipage},
        {example + "::Strings::Output", Panel::String},
        {example + "::Alarms::Fire", Panel::String}};
    for (const auto& [key, panel] : items) {
        SCOPED_TRACE(key);
        window.model().nodeClick(kRootKey);
        window.model().nodeClick(key);
        EXPECT_EQ(window.frontPanel(), panel);
    }
    EXPECT_TRUE(prompter.texts().empty()) << prompter.texts().front();
    // The template opens at its own size rather than cut down to one row of ten.
    window.model().nodeClick(kRootKey);
    window.model().nodeClick(example + "::Templates::Line Status");
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtNumLines"))->text(), "3");
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtCharsPerLine"))->text(), "20");
    EXPECT_FALSE(window.model().selection().changed);
    window.model().setChanged(false);
    clearStoredList();
}

TEST(NewNameDialogTest, OnlyOkOrEnterConfirm) {
    NewNameDialog enter(QStringLiteral("New String"));
    EXPECT_EQ(enter.windowTitle(), QStringLiteral("New String"));
    EXPECT_FALSE(enter.fOK());
    auto* text = enter.findChild<QLineEdit*>(QStringLiteral("txtNewName"));
    ASSERT_NE(text, nullptr);
    enter.show();
    QTest::keyClicks(text, QStringLiteral("Gate 3"));
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_TRUE(enter.fOK());
    EXPECT_EQ(enter.name(), QStringLiteral("Gate 3"));

    NewNameDialog ok(QStringLiteral("New Alarm"));
    ok.show();
    QTest::mouseClick(ok.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_TRUE(ok.fOK());

    NewNameDialog escaped(QStringLiteral("New Alarm"));
    escaped.show();
    QTest::keyClicks(escaped.findChild<QLineEdit*>(QStringLiteral("txtNewName")), "x");
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.fOK());
    NewNameDialog closed(QStringLiteral("New Alarm"));
    closed.show();
    closed.close();
    EXPECT_FALSE(closed.fOK());
}

TEST(AboutDialogTest, ShowsNameAndVersion) {
    AboutDialog about;
    auto* version = about.findChild<QLabel*>(QStringLiteral("lblVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Version: %1.%2.%3")
                                   .arg(ZTK_VERSION_MAJOR)
                                   .arg(ZTK_VERSION_MINOR)
                                   .arg(ZTK_VERSION_REVISION));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblProduct"))->text(), "Legendo");
    EXPECT_EQ(about.windowTitle(), "About");
}

TEST(FileDialogFilterTest, LabelsEndInThePatternTheyMatch) {
    EXPECT_EQ(qtNameFilters(kMessageFileFilter),
              (QStringList{"Templates - XML Files (*.xml)", "All Files (*)"}));
}

}  // namespace
}  // namespace ztk::legendo::testing
