// SPDX-License-Identifier: MIT
// Start-up and close: the stored list of open files, the command line's file, the save
// prompt at close and on the explorer's mouse and key events.
#include "legendo/nodekey.h"
#include "legendo/openfilelist.h"
#include "legendotestsupport.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace ztk::legendo::testing {
namespace {

std::map<std::string, std::string> storedList() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("ZTKMarqueeControl"));
    settings.beginGroup(QStringLiteral("Legendo"));
    std::map<std::string, std::string> list;
    for (const QString& key : settings.childKeys())
        list[key.toStdString()] = settings.value(key).toString().toStdString();
    return list;
}

TEST_F(LegendoTest, TheListIsStoredUnderNodeIndexesAndReadBack) {
    const std::string a = writeFile("a.xml", "<MARQUEE/>");
    const std::string b = writeFile("b.xml", "<MARQUEE/>");
    const std::string c = writeFile("c.xml", "<MARQUEE/>");
    model.startUp();
    EXPECT_EQ(model.tree().size(), 1u);
    for (const std::string& path : {c, a, b})
        ASSERT_TRUE(model.loadMessageFile(path));
    click(a);
    model.removeMessageFile();
    ASSERT_TRUE(model.queryClose());
    // Root 1; each file brings four nodes. c came first (2..5), then b (6..9) after a left.
    EXPECT_EQ(storedList(), (std::map<std::string, std::string>{{"File2", c}, {"File6", b}}));

    // A stored file that no longer loads is reported once and dropped at the next close.
    std::filesystem::remove(c);
    testing::ScriptedPrompter prompter2;
    RecordingView view2;
    MainModel again(prompter2, view2);
    again.startUp();
    EXPECT_EQ(prompter2.texts(), std::vector<std::string>{"Error loading file '" + c + "'."});
    EXPECT_TRUE(again.tree().contains(b));
    EXPECT_FALSE(again.tree().contains(c));
    EXPECT_EQ(again.tree().selectedKey(), "ROOT");
    EXPECT_FALSE(view2.menus.fileRemove);
    ASSERT_TRUE(again.queryClose());
    EXPECT_EQ(storedList(), (std::map<std::string, std::string>{{"File2", b}}));
}

TEST_F(LegendoTest, AFileFromTheCommandLineComesAfterTheStoredOnes) {
    const std::string stored = writeFile("stored.xml");
    const std::string named = writeFile("named.xml", "<MARQUEE/>");
    ASSERT_TRUE(writeOpenFileList({{2, stored}}));
    model.startUp({named, stored});
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(model.tree().index(stored), 2);
    EXPECT_EQ(model.tree().index(named), 2 + 1 + 3 + 5);
    // Named again although open already: shown, not reported.
    EXPECT_EQ(model.tree().selectedKey(), stored);
}

class PromptTest : public LegendoTest {
  protected:
    void SetUp() override {
        path = writeFile("board.xml");
        model.startUp({path});
        click(templ());
        ASSERT_EQ(templateEditor.loads, 1);
        model.setChanged(true);
        ASSERT_TRUE(templateEditor.saveEnabled);
        writeOpenFileList({{99, "/kept/as/it/was.xml"}});
    }
    std::string templ() const { return path + "::Templates::Line Status"; }
    std::string path;
};

TEST_F(PromptTest, CancelAtCloseKeepsTheWindowAndTheStoredList) {
    prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(model.queryClose());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Do you want to save the changes you have made?");
    EXPECT_EQ(prompter.shown[0].title, "Legendo");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(templateEditor.saves, 0);
    EXPECT_TRUE(model.selection().changed);
    EXPECT_EQ(storedList(),
              (std::map<std::string, std::string>{{"File99", "/kept/as/it/was.xml"}}));
}

TEST_F(PromptTest, NoAtCloseDropsTheChangesAndStoresTheList) {
    prompter.answers = {Answer::No};
    EXPECT_TRUE(model.queryClose());
    EXPECT_EQ(templateEditor.saves, 0);
    EXPECT_FALSE(model.selection().changed);
    EXPECT_FALSE(templateEditor.saveEnabled);
    EXPECT_EQ(storedList(), (std::map<std::string, std::string>{{"File2", path}}));
}

TEST_F(PromptTest, YesAtCloseSavesWithTheOpenEditorAndAFailedSaveKeepsTheWindow) {
    // The save fails (its message shown): the changes stay and so does the window.
    prompter.answers = {Answer::Yes};
    EXPECT_FALSE(model.queryClose());
    EXPECT_EQ(templateEditor.saves, 1);
    EXPECT_EQ(multipageEditor.saves + stringEditor.saves, 0);

    templateEditor.onSave = [&] {
        msgfile::TemplateContent content;
        content.board = msgfile::Board(1, 2);
        if (model.saveTemplate(content)) model.setChanged(false);
    };
    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(model.queryClose());
    EXPECT_EQ(templateEditor.saves, 2);
    EXPECT_FALSE(model.selection().changed);
    EXPECT_EQ(storedList(), (std::map<std::string, std::string>{{"File2", path}}));
}

TEST_F(PromptTest, TheExplorerAsksBeforeTheSelectionLeavesUnsavedWork) {
    const std::string strings = folderKey(path, kStringsFolder);
    // Cancel: the selection stays and no pop-up shows.
    prompter.answers = {Answer::Cancel};
    model.mouseDown(MouseButton::Right, strings);
    EXPECT_EQ(model.selection().selectedKey, templ());
    EXPECT_TRUE(view.popups.empty());
    // A key that moves the selection is swallowed on Cancel.
    prompter.answers = {Answer::Cancel};
    EXPECT_TRUE(model.selectionKey());
    // A mouse down that hits no node does nothing.
    model.mouseDown(MouseButton::Left, std::nullopt);
    EXPECT_EQ(prompter.shown.size(), 2u);

    // No: the node is clicked, but with unsaved changes there is only the prompt.
    prompter.answers = {Answer::No};
    model.mouseDown(MouseButton::Right, strings);
    EXPECT_EQ(model.selection().selectedKey, strings);
    EXPECT_FALSE(model.selection().changed);
    EXPECT_TRUE(view.popups.empty());
    EXPECT_EQ(view.front, Panel::Empty);

    // Without changes a right click selects and pops up the folder's menu, and keys pass.
    model.mouseDown(MouseButton::Right, folderKey(path, kAlarmsFolder));
    EXPECT_EQ(view.popups, std::vector<PopupMenu>{PopupMenu::Format});
    EXPECT_EQ(view.menus.formatNew, "New Alarm");
    EXPECT_FALSE(model.selectionKey());
    EXPECT_EQ(prompter.shown.size(), 3u);
}

TEST_F(LegendoTest, RightClicksPopUpTheMenuOfTheNodeWithItsCaptions) {
    const std::string path = writeFile("board.xml");
    model.startUp({path});
    struct Case {
        std::string key;
        PopupMenu menu;
    };
    const std::vector<Case> cases = {
        {"ROOT", PopupMenu::Xml},
        {path, PopupMenu::XmlFile},
        {folderKey(path, kTemplatesFolder), PopupMenu::FormatTemplate},
        {folderKey(path, kStringsFolder), PopupMenu::Format},
        {path + "::Strings::Output", PopupMenu::Object},
    };
    for (const Case& c : cases) {
        view.popups.clear();
        model.mouseDown(MouseButton::Right, c.key);
        EXPECT_EQ(view.popups, std::vector<PopupMenu>{c.menu}) << c.key;
    }
    EXPECT_EQ(view.menus.formatNewTemplate, "New Template");
    EXPECT_EQ(view.menus.formatNewMultipg, "New Multipage Template");
    EXPECT_EQ(view.menus.formatNew, "New String");
    EXPECT_EQ(view.menus.objectDelete, "Delete String");
    model.mouseDown(MouseButton::Right, path + "::Templates::Shift Board");
    EXPECT_EQ(view.menus.objectDelete, "Delete Template");
}

TEST_F(LegendoTest, NodeClicksOpenTheRightEditorAndOnlyOnce) {
    const std::string path = writeFile("board.xml");
    model.startUp({path});
    click(path + "::Templates::Shift Board");
    EXPECT_EQ(multipageEditor.loads, 1);
    EXPECT_EQ(view.front, Panel::Multipage);
    EXPECT_EQ(view.enabled, Panel::Multipage);
    // Clicking the open item again does not reload it.
    click(path + "::Templates::Shift Board");
    EXPECT_EQ(multipageEditor.loads, 1);

    click(path + "::Alarms::Fire");
    EXPECT_EQ(stringEditor.resets, 1);
    EXPECT_EQ(view.front, Panel::String);
    EXPECT_FALSE(model.selection().multipageMode);

    // A loader that fails leaves no editor in front.
    templateEditor.loadResult = false;
    click(path + "::Templates::Line Status");
    EXPECT_EQ(templateEditor.loads, 1);
    EXPECT_EQ(view.front, Panel::Empty);
    EXPECT_EQ(view.busyDepth, 0);
}

}  // namespace
}  // namespace ztk::legendo::testing
