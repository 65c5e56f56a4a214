// SPDX-License-Identifier: MIT
// The string and alarm editor's model: loading text, colours and attributes, the "<<"
// escape, variable tags, change detection on formatted content, the view size and saving.
#include <gtest/gtest.h>

#include "editortesthost.h"
#include "model/stringmodel.h"
#include "model/text32.h"
#include "msgfile/writeoutcome.h"

namespace ztk::legendo {
namespace {

using msgfile::kRgbAmber;
using msgfile::kRgbGreen;
using msgfile::kRgbRed;
using msgfile::kRgbWhite;

class StringEditing : public test::EditorTest {
  protected:
    bool load(const std::string& items, const std::string& folder, StringKind kind) {
        host.select(writeFile(items), folder, "S");
        model.reset();
        return model.load(kind);
    }
    std::string text() const { return toUtf8(model.text().plain()); }
    // The item as stored now, without the file's declaration and root.
    std::string storedItems() {
        const std::string file = readFile(host.selection().currentFile);
        const std::size_t from = file.find("<MARQUEE>") + 9;
        return file.substr(from, file.rfind("</MARQUEE>") - from);
    }

    StringEditorModel model{host};
};

TEST_F(StringEditing, ALiteralAngleIsShownDoubledInStringsAndStoredSingle) {
    ASSERT_TRUE(
        load("<STRING>S<TEXT color='Red'>a&lt;b</TEXT>"
             "<TEXT color='Green'><VARIABLE>t1</VARIABLE></TEXT></STRING>",
             "Strings", StringKind::String));
    EXPECT_EQ(text(), "a<<b<t1>");
    host.setChanged(true);
    ASSERT_TRUE(model.save());
    EXPECT_EQ(storedItems(),
              "<STRING>S<TEXT mode=\"AutoMode\" color=\"Red\">a&lt;b</TEXT>"
              "<TEXT color=\"Green\"><VARIABLE>t1</VARIABLE></TEXT></STRING>");
    EXPECT_FALSE(host.selection().changed);

    // In an alarm "<" is an ordinary character: shown as it is, stored as it is, so that
    // saving again and again never doubles it.
    ASSERT_TRUE(
        load("<ALARM>S<TEXT color='Red'>a&lt;b</TEXT></ALARM>", "Alarms", StringKind::Alarm));
    EXPECT_EQ(text(), "a<b");
    ASSERT_TRUE(model.save());
    ASSERT_TRUE(model.load(StringKind::Alarm));
    EXPECT_EQ(text(), "a<b");
    EXPECT_TRUE(shown().empty());
}

TEST_F(StringEditing, AttributesComeFromTheFirstTextOnlyAndASpecialDisablesTheMode) {
    ASSERT_TRUE(
        load("<STRING>S<TEXT special='SNOW' mode='rollup' speed='4' position='top' "
             "font='f7'>A</TEXT><TEXT special='Twinkle' speed='1' font='S5'>B</TEXT>"
             "</STRING>",
             "Strings", StringKind::String));
    const msgfile::DisplayBoxes& boxes = model.boxes();
    EXPECT_EQ(boxes.special, "Snow");
    EXPECT_FALSE(model.modeEnabled());
    EXPECT_EQ(boxes.mode, "RollUp");
    EXPECT_EQ(boxes.speed, "4");
    EXPECT_EQ(boxes.position, "Top");
    EXPECT_EQ(boxes.font, "F7");
    EXPECT_EQ(text(), "AB");
    model.chooseSpecial("--");
    EXPECT_TRUE(model.modeEnabled());
    EXPECT_TRUE(host.selection().changed);

    // Values outside a box's list select its first entry; the speed is compared exactly.
    ASSERT_TRUE(
        load("<STRING>S<TEXT special='Fog' mode='Spin' speed='03' position='Left' "
             "font='S9'>A</TEXT></STRING>",
             "Strings", StringKind::String));
    EXPECT_EQ(model.boxes().special, "--");
    EXPECT_EQ(model.boxes().mode, "AutoMode");
    EXPECT_EQ(model.boxes().speed, "--");
    EXPECT_EQ(model.boxes().position, "--");
    EXPECT_EQ(model.boxes().font, "--");
    EXPECT_TRUE(model.modeEnabled());
}

TEST_F(StringEditing, ColoursOnLoadAndBlanksAsSpaces) {
    ASSERT_TRUE(
        load("<STRING>S<TEXT color='red'>r</TEXT><TEXT color='Purple'>p</TEXT>"
             "<TEXT>w&#4;</TEXT><TEXT color='GREEN'>g</TEXT><TEXT color='amber'>a</TEXT>"
             "</STRING>",
             "Strings", StringKind::String));
    EXPECT_EQ(text(), "rpw ga");
    std::vector<Rgb> colors;
    for (const ColoredChar& c : model.text().chars())
        colors.push_back(c.color);
    EXPECT_EQ(colors,
              (std::vector<Rgb>{kRgbRed, kRgbRed, kRgbWhite, kRgbWhite, kRgbGreen, kRgbAmber}));
}

TEST_F(StringEditing, NestedTextIsShownOnceWhereTheSignShowsIt) {
    ASSERT_TRUE(
        load("<STRING>S<TEXT color='Red'>ab<TEXT color='Green'>cd</TEXT>e</TEXT>"
             "<TEXT color='Amber'>Temp <VARIABLE>t</VARIABLE></TEXT></STRING>",
             "Strings", StringKind::String));
    EXPECT_EQ(text(), "abcdeTemp <t>");
    EXPECT_EQ(model.text().colorOf(2, 2), kRgbGreen);
    EXPECT_EQ(model.text().colorOf(4, 1), kRgbRed);
}

TEST_F(StringEditing, AnyChangeOfTextOrColourCountsAndTheSameContentDoesNot) {
    ASSERT_TRUE(
        load("<STRING>S<TEXT color='Red'>abc</TEXT></STRING>", "Strings", StringKind::String));
    ColoredText same = model.text();
    model.contentChanged(same);
    EXPECT_FALSE(host.selection().changed);
    same.recolor(1, 1, kRgbGreen);
    model.contentChanged(same);
    EXPECT_TRUE(host.selection().changed);
    EXPECT_EQ(model.text().runs().size(), 3u);
    EXPECT_EQ(model.text().colorOf(0, 3), std::nullopt);
    EXPECT_EQ(model.selectionMoved(std::nullopt), std::nullopt);
    EXPECT_EQ(model.colorBox(), std::nullopt);
    EXPECT_EQ(model.selectionMoved(kNoColor), kRgbRed);
    EXPECT_EQ(model.colorBox(), SignColor::Red);
    model.selectionMoved(kRgbWhite);
    EXPECT_EQ(model.colorBox(), SignColor::Red);
    model.selectionMoved(kRgbAmber);
    EXPECT_EQ(model.colorBox(), SignColor::Amber);
}

TEST_F(StringEditing, AnUnclosedVariableTagIsRefusedAndNothingIsSaved) {
    ASSERT_TRUE(
        load("<STRING>S<TEXT color='Red'>old</TEXT></STRING>", "Strings", StringKind::String));
    const std::string before = readFile(host.selection().currentFile);
    ColoredText typed;
    typed.append(U"Temp <t1", kRgbRed);
    model.contentChanged(typed);
    EXPECT_FALSE(model.save());
    ASSERT_EQ(host.script().shown.size(), 1u);
    EXPECT_EQ(host.script().shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(shown(), std::vector<std::string>{msgfile::kMissingCloseTagText});
    EXPECT_EQ(readFile(host.selection().currentFile), before);
    EXPECT_TRUE(host.selection().changed);
}

TEST_F(StringEditing, MissingAndCorruptItemsAndTheViewSizeBounds) {
    EXPECT_FALSE(load("<STRING>s</STRING>", "Strings", StringKind::String));
    EXPECT_FALSE(load("<ALARM/><ALARM>S</ALARM>", "Alarms", StringKind::Alarm));
    EXPECT_EQ(shown(), (std::vector<std::string>{"String 'S' not found in given file.",
                                                 "loadstring:corrupt xml file detected"}));
    host.select(writeFile("<ALARM>"), "Alarms", "S");
    EXPECT_FALSE(model.load(StringKind::Alarm));
    EXPECT_TRUE(shown().at(0).starts_with("Error "));

    EXPECT_EQ(model.viewSize(), StringEditorModel::kResetViewSize);
    for (int i = 0; i < 50; ++i)
        model.stepViewSize(1);
    EXPECT_EQ(model.viewSize(), 40);
    for (int i = 0; i < 50; ++i)
        model.stepViewSize(-1);
    EXPECT_EQ(model.viewSize(), 1);
    EXPECT_FALSE(host.selection().changed);
}

}  // namespace
}  // namespace ztk::legendo
