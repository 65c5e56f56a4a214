// SPDX-License-Identifier: MIT
// Node keys, ParseKey's menu states and the explorer's tree: indexes, order, unique keys.
#include "legendo/explorertree.h"
#include "legendo/nodekey.h"
#include "legendotestsupport.h"

#include <gtest/gtest.h>

namespace ztk::legendo::testing {
namespace {

TEST(NodeKeyTest, SplitsEveryKindOfNode) {
    KeyParts root = splitKey("ROOT");
    EXPECT_EQ(root.kind, NodeKind::Root);
    EXPECT_EQ(root.file + root.folder + root.item, "");

    KeyParts file = splitKey("/home/a/signs.xml");
    EXPECT_EQ(file.kind, NodeKind::File);
    EXPECT_EQ(file.file, "/home/a/signs.xml");
    EXPECT_EQ(file.folder + file.item, "");

    KeyParts folder = splitKey("/home/a/signs.xml::Strings");
    EXPECT_EQ(folder.kind, NodeKind::Folder);
    EXPECT_EQ(folder.file, "/home/a/signs.xml");
    EXPECT_EQ(folder.folder, "Strings");
    EXPECT_EQ(folder.item, "");

    // Only the first two separators split: the item's own "::" stays in its name.
    KeyParts item = splitKey("/home/a/signs.xml::Templates::Hall::North:: ");
    EXPECT_EQ(item.kind, NodeKind::Item);
    EXPECT_EQ(item.file, "/home/a/signs.xml");
    EXPECT_EQ(item.folder, "Templates");
    EXPECT_EQ(item.item, "Hall::North:: ");

    EXPECT_EQ(singular("Templates"), "Template");
    EXPECT_EQ(singular("Alarms"), "Alarm");
    EXPECT_TRUE(pathHoldsSeparator("/tmp/a::b.xml"));
    EXPECT_FALSE(pathHoldsSeparator("/tmp/a:b.xml"));
}

TEST_F(LegendoTest, ParseKeySetsSelectionAndMenusForEveryKindOfNode) {
    struct Case {
        std::string key;
        std::string file, folder, item;
        bool messageNew, messageDelete, fileRemove;
    };
    const std::vector<Case> cases = {
        {"ROOT", "", "", "", false, false, false},
        {"/m/a.xml", "/m/a.xml", "", "", false, false, true},
        {"/m/a.xml::Templates", "/m/a.xml", "Templates", "", true, false, true},
        {"/m/a.xml::Alarms::Fire::Hall 2", "/m/a.xml", "Alarms", "Fire::Hall 2", false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_TRUE(model.parseKey(c.key));
        const Selection& s = model.selection();
        EXPECT_EQ(s.selectedKey, c.key);
        EXPECT_EQ(s.currentFile, c.file);
        EXPECT_EQ(s.currentFolder, c.folder);
        EXPECT_EQ(s.currentItem, c.item);
        EXPECT_EQ(view.menus.messageNew, c.messageNew);
        EXPECT_EQ(view.menus.messageDelete, c.messageDelete);
        EXPECT_EQ(view.menus.fileRemove, c.fileRemove);
    }
}

TEST(ExplorerTreeTest, IndexesCloseUpAfterRemovalAndKeysStayUnique) {
    ExplorerTree tree;
    ASSERT_TRUE(tree.add("", "ROOT", "Message Files", NodeImage::CloseFolder));
    for (const char* file : {"/a.xml", "/b.xml", "/c.xml"}) {
        ASSERT_TRUE(tree.add("ROOT", file, file, NodeImage::CloseFolder));
        ASSERT_TRUE(
            tree.add(file, std::string(file) + "::Templates", "Templates", NodeImage::CloseFolder));
    }
    EXPECT_EQ(tree.index("/b.xml"), 4);
    EXPECT_EQ(tree.add("ROOT", "/b.xml", "/b.xml", NodeImage::CloseFolder), nullptr);
    EXPECT_EQ(tree.add("missing", "/d.xml", "/d.xml", NodeImage::CloseFolder), nullptr);

    ASSERT_TRUE(tree.select("/a.xml::Templates"));
    ASSERT_TRUE(tree.remove("/a.xml"));
    EXPECT_FALSE(tree.contains("/a.xml::Templates"));
    EXPECT_EQ(tree.selectedKey(), "");
    EXPECT_EQ(tree.size(), 5u);
    EXPECT_EQ(tree.index("ROOT"), 1);
    EXPECT_EQ(tree.index("/b.xml"), 2);
    EXPECT_EQ(tree.index("/c.xml::Templates"), 5);
    EXPECT_EQ(tree.index("/a.xml"), 0);
}

TEST(ExplorerTreeTest, SortedNodesKeepTheirChildrenInTextOrder) {
    ExplorerTree tree;
    tree.add("", "ROOT", "Message Files", NodeImage::CloseFolder);
    tree.add("ROOT", "f", "f", NodeImage::CloseFolder);
    // Children of an unsorted node keep the order they came in.
    for (const char* folder : {"Templates", "Strings", "Alarms"})
        tree.add("f", std::string("f::") + folder, folder, NodeImage::CloseFolder);
    for (const char* name : {"beta", "Alpha", "gamma"})
        tree.add("f::Strings", std::string("f::Strings::") + name, name, NodeImage::GreenClip);
    tree.setSorted("f::Strings");
    tree.add("f::Strings", "f::Strings::Delta", "Delta", NodeImage::GreenClip);
    tree.add("f::Strings", "f::Strings::alpha", "alpha", NodeImage::GreenClip);

    auto texts = [&](const std::string& key) {
        std::vector<std::string> out;
        for (const ExplorerNode* child : tree.find(key)->children)
            out.push_back(child->text);
        return out;
    };
    EXPECT_EQ(texts("f"), (std::vector<std::string>{"Templates", "Strings", "Alarms"}));
    EXPECT_EQ(texts("f::Strings"),
              (std::vector<std::string>{"Alpha", "alpha", "beta", "Delta", "gamma"}));
}

}  // namespace
}  // namespace ztk::legendo::testing
