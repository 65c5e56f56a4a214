// SPDX-License-Identifier: MIT
// Opening, creating and removing message files, and creating and deleting their items.
#include "legendo/explorertree.h"
#include "legendo/messages.h"
#include "legendo/nodekey.h"
#include "legendotestsupport.h"

#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ztk::legendo::testing {
namespace {

using msgfile::test::readFile;

std::vector<std::string> childTexts(const ExplorerTree& tree, const std::string& key) {
    std::vector<std::string> out;
    for (const ExplorerNode* child : tree.find(key)->children)
        out.push_back(child->text);
    return out;
}

TEST_F(LegendoTest, LoadShowsEveryItemWithItsImageAndSelectsTheFile) {
    model.startUp();
    const std::string path = writeFile("board.xml");
    EXPECT_TRUE(model.loadMessageFile(path));
    EXPECT_TRUE(prompter.shown.empty());

    const ExplorerTree& tree = model.tree();
    EXPECT_EQ(childTexts(tree, path), (std::vector<std::string>{"Templates", "Strings", "Alarms"}));
    EXPECT_EQ(childTexts(tree, path + "::Strings"),
              (std::vector<std::string>{"Output", "Welcome"}));
    EXPECT_EQ(tree.find(path + "::Templates::Line Status")->image, NodeImage::OrangeClip);
    EXPECT_EQ(tree.find(path + "::Templates::Shift Board")->image, NodeImage::BlueClip);
    EXPECT_EQ(tree.find(path + "::Strings::Welcome")->image, NodeImage::GreenClip);
    EXPECT_EQ(tree.find(path + "::Alarms::Fire")->image, NodeImage::RedClip);
    EXPECT_EQ(tree.selectedKey(), path);
    EXPECT_EQ(model.selection().currentFile, path);
    EXPECT_TRUE(view.menus.fileRemove);
}

TEST_F(LegendoTest, LoadingAFileTwiceSaysSoAndLeavesTheTree) {
    model.startUp();
    const std::string path = writeFile("board.xml");
    ASSERT_TRUE(model.loadMessageFile(path));
    const std::size_t nodes = model.tree().size();
    prompter.files = {path};
    model.addMessageFile();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Message file has already been loaded.");
    EXPECT_EQ(prompter.shown[0].title, "Load Message File.");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(model.tree().size(), nodes);
}

TEST_F(LegendoTest, AFileThatCannotBeLoadedIsReportedOnceAndAddsNothing) {
    model.startUp();
    std::filesystem::create_directory(dir.file("folder.xml"));
    std::string deep;
    for (int i = 0; i < msgfile::kMaxDepth + 10; ++i)
        deep += "<TEXT>";
    const std::vector<std::string> paths = {
        dir.file("missing.xml"), writeFile("notxml.xml", "this is <not xml"),
        writeFile("deep.xml", "<MARQUEE>" + deep + "</MARQUEE>"), dir.file("folder.xml"),
        writeFile("huge.xml", "<MARQUEE/>")};
    std::filesystem::resize_file(paths.back(), msgfile::kMaxFileBytes + 1);
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        prompter.shown.clear();
        EXPECT_FALSE(model.loadMessageFile(path));
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, "Error loading file '" + path + "'.");
        EXPECT_EQ(prompter.shown[0].title, "Load Message File.");
        EXPECT_EQ(prompter.shown[0].icon, Icon::Exclamation);
        EXPECT_EQ(model.tree().size(), 1u);
    }
    // "::" would split the path when keys are parsed, so such a file is not opened.
    prompter.shown.clear();
    EXPECT_FALSE(model.loadMessageFile(writeFile("a::b.xml")));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(model.tree().size(), 1u);
}

TEST_F(LegendoTest, ItemsOfOneNameShowOnceAndUnnamedOnesNotAtAll) {
    model.startUp();
    const std::string path =
        writeFile("dup.xml",
                  "<MARQUEE><TEMPLATE>A</TEMPLATE><TEMPLATE type=\"multipage\">A</TEMPLATE>"
                  "<TEMPLATE/><STRING><TEXT/></STRING><STRING>A</STRING></MARQUEE>");
    EXPECT_TRUE(model.loadMessageFile(path));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(childTexts(model.tree(), path + "::Templates"), (std::vector<std::string>{"A"}));
    EXPECT_EQ(model.tree().find(path + "::Templates::A")->image, NodeImage::OrangeClip);
    EXPECT_EQ(childTexts(model.tree(), path + "::Strings"), (std::vector<std::string>{"A"}));
}

TEST_F(LegendoTest, NewMessageFileReplacesAnExistingFileWithTheBareRoot) {
    model.startUp();
    const std::string path = writeFile("old.xml");
    prompter.files = {path};
    model.newMessageFile();
    EXPECT_TRUE(prompter.shown.empty());
    pugi::xml_document skeleton;
    msgfile::resetToNewFile(skeleton);
    EXPECT_EQ(readFile(path), msgfile::serializeDocument(skeleton));
    EXPECT_EQ(model.selection().currentFile, path);
    EXPECT_TRUE(model.tree().find(path + "::Templates")->children.empty());
    // The dialog starts in the folder of the selected file.
    prompter.files = {""};
    model.newMessageFile();
    EXPECT_EQ(prompter.startFolders.back(), std::filesystem::path(path).parent_path().string());
    EXPECT_EQ(prompter.filters.back(), kMessageFileFilter);

    // A file that is open is not replaced behind the explorer's back.
    ASSERT_TRUE(model.loadMessageFile(writeFile("open.xml")));
    const std::string open = dir.file("open.xml");
    prompter.files = {open};
    model.newMessageFile();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Message file has already been loaded."});
    EXPECT_EQ(readFile(open), kSampleFile);
}

TEST_F(LegendoTest, NewItemNamesClashOnlyWithinTheirElementAndLetterCaseCounts) {
    model.startUp();
    const std::string path = writeFile("board.xml");
    ASSERT_TRUE(model.loadMessageFile(path));
    const std::string templates = folderKey(path, kTemplatesFolder);

    struct Case {
        std::string folder;
        bool (MainModel::*create)();
        std::string name;
        std::string refusal;  // empty when the name is accepted
        std::string title;
    };
    const std::vector<Case> cases = {
        {kTemplatesFolder, &MainModel::newTemplate, "Shift Board",
         "Template 'Shift Board' already exists in " + path + ".", "New Template Failed."},
        {kTemplatesFolder, &MainModel::newMultipageTemplateFromMenu, "Line Status",
         "Template 'Line Status' already exists in " + path + ".",
         "New Multipage Template Failed."},
        {kAlarmsFolder, &MainModel::newAlarm, "Fire",
         "Alarm 'Fire' already exists in " + path + ".", "New Alarm Failed."},
        {kStringsFolder, &MainModel::newString, "Welcome",
         "String 'Welcome' already exists in " + path + ".", "New String Failed."},
        {kStringsFolder, &MainModel::newString, "Line Status", "", ""},
        {kTemplatesFolder, &MainModel::newTemplate, "line status", "", ""},
        {kTemplatesFolder, &MainModel::newMultipageTemplateFromMenu, "Pages::Two", "", ""},
        {kAlarmsFolder, &MainModel::newAlarm, "   ", "", ""},
        {kAlarmsFolder, &MainModel::newAlarm, "Überflutung 東京", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click(folderKey(path, c.folder));
        prompter.shown.clear();
        prompter.names = {c.name};
        const std::string before = readFile(path);
        const bool created = (model.*c.create)();
        const std::string key = itemKey(folderKey(path, c.folder), c.name);
        if (!c.refusal.empty()) {
            EXPECT_FALSE(created);
            ASSERT_EQ(prompter.shown.size(), 1u);
            EXPECT_EQ(prompter.shown[0].text, c.refusal);
            EXPECT_EQ(prompter.shown[0].title, c.title);
            EXPECT_EQ(prompter.shown[0].icon, Icon::Critical);
            EXPECT_EQ(readFile(path), before);
            continue;
        }
        EXPECT_TRUE(created);
        EXPECT_TRUE(prompter.shown.empty());
        ASSERT_TRUE(model.tree().contains(key));
        EXPECT_TRUE(model.tree().find(folderKey(path, c.folder))->expanded);
        EXPECT_EQ(model.tree().selectedKey(), folderKey(path, c.folder));
    }
    EXPECT_EQ(prompter.captions.front(), "New Template");
    EXPECT_EQ(model.tree().find(templates + "::Pages::Two")->image, NodeImage::BlueClip);

    // Every new name survives saving and loading again.
    model.removeMessageFile();
    ASSERT_TRUE(model.loadMessageFile(path));
    for (const std::string& key :
         {templates + "::line status", templates + "::Pages::Two", path + "::Strings::Line Status",
          path + "::Alarms::   ", path + "::Alarms::Überflutung 東京"}) {
        EXPECT_TRUE(model.tree().contains(key)) << key;
    }
    EXPECT_EQ(model.tree().find(templates + "::Pages::Two")->image, NodeImage::BlueClip);
}

TEST_F(LegendoTest, CancelledOrEmptyNamesChangeNothingAndSayNothing) {
    model.startUp();
    const std::string path = writeFile("board.xml");
    ASSERT_TRUE(model.loadMessageFile(path));
    click(folderKey(path, kStringsFolder));
    const std::size_t nodes = model.tree().size();
    prompter.names = {std::nullopt, std::string()};
    EXPECT_FALSE(model.newString());
    EXPECT_FALSE(model.newString());
    EXPECT_EQ(prompter.captions, (std::vector<std::string>{"New String", "New String"}));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(readFile(path), kSampleFile);
    EXPECT_EQ(model.tree().size(), nodes);
}

TEST_F(LegendoTest, NewMessageOnAFolderChoosesByFolder) {
    model.startUp();
    const std::string path = writeFile("board.xml");
    ASSERT_TRUE(model.loadMessageFile(path));
    click(folderKey(path, kTemplatesFolder));
    model.newMessage();
    EXPECT_EQ(view.popups, std::vector<PopupMenu>{PopupMenu::FormatTemplate});
    EXPECT_EQ(view.menus.formatNewTemplate, "New Template");
    EXPECT_EQ(view.menus.formatNewMultipg, "New Multipage Template");

    click(folderKey(path, kAlarmsFolder));
    prompter.names = {"Gas"};
    model.newMessage();
    EXPECT_EQ(prompter.captions, std::vector<std::string>{"New Alarm"});
    EXPECT_TRUE(model.tree().contains(path + "::Alarms::Gas"));
}

TEST_F(LegendoTest, DeleteAsksNothingAndSelectsTheFolder) {
    model.startUp();
    const std::string path = writeFile("board.xml");
    ASSERT_TRUE(model.loadMessageFile(path));
    click(path + "::Templates::Line Status");
    EXPECT_EQ(view.front, Panel::Template);
    model.deleteMessage();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(model.tree().contains(path + "::Templates::Line Status"));
    EXPECT_EQ(model.tree().selectedKey(), path + "::Templates");
    EXPECT_EQ(model.selection().currentItem, "");
    EXPECT_TRUE(view.menus.messageNew);
    EXPECT_FALSE(view.menus.messageDelete);
    EXPECT_EQ(view.front, Panel::Empty);
    pugi::xml_document doc;
    ASSERT_FALSE(msgfile::loadMessageFile(doc, path));
    EXPECT_FALSE(msgfile::findItem(doc, "TEMPLATE", "Line Status").item);
    EXPECT_TRUE(msgfile::findItem(doc, "TEMPLATE", "Shift Board").item);

    // An item another program removed stays in the explorer, with the reason.
    msgfile::test::writeFile(path, "<MARQUEE/>");
    click(path + "::Strings::Welcome");
    model.deleteMessage();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"String not found in specified file."});
    EXPECT_EQ(prompter.shown[0].title, "Remove String Failed.");
    EXPECT_TRUE(model.tree().contains(path + "::Strings::Welcome"));
}

TEST_F(LegendoTest, RemoveMessageFileLeavesTheFileOnDisk) {
    model.startUp();
    const std::string path = writeFile("board.xml");
    ASSERT_TRUE(model.loadMessageFile(path));
    click(path + "::Alarms::Fire");
    model.removeMessageFile();
    EXPECT_FALSE(model.tree().contains(path));
    EXPECT_EQ(model.tree().size(), 1u);
    EXPECT_EQ(model.selection().selectedKey, "ROOT");
    EXPECT_FALSE(view.menus.fileRemove);
    EXPECT_EQ(view.front, Panel::Empty);
    EXPECT_EQ(readFile(path), kSampleFile);
}

}  // namespace
}  // namespace ztk::legendo::testing
