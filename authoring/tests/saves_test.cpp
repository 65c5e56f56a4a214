// SPDX-License-Identifier: MIT
// The editors' save routines and the failures of every write: an item gone from the file,
// a file we may not write, a disk that fills up half way.
#include "legendo/itemstore.h"
#include "legendo/messages.h"
#include "legendotestsupport.h"

#include "msgfile/load.h"
#include "msgfile/lookup.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace ztk::legendo::testing {
namespace {

using msgfile::test::readFile;

msgfile::TemplateContent board(int rows, int cols, const std::string& font) {
    msgfile::TemplateContent content;
    content.board = msgfile::Board(rows, cols);
    content.font = font;
    for (int row = 0; row < rows; ++row)
        content.board.put(row, 0, std::u32string(static_cast<std::size_t>(cols), U'A'),
                          msgfile::kRgbGreen);
    return content;
}

class SaveTest : public LegendoTest {
  protected:
    void SetUp() override {
        path = writeFile("board.xml");
        model.startUp();
        ASSERT_TRUE(model.loadMessageFile(path));
    }
    pugi::xml_node item(pugi::xml_document& doc, const char* element, const char* name) {
        EXPECT_FALSE(msgfile::loadMessageFile(doc, path));
        return msgfile::findItem(doc, element, name).item;
    }
    std::string path;
};

TEST_F(SaveTest, SavesFillTheItemThroughTheWriters) {
    click(path + "::Templates::Line Status");
    // "--" keeps the font the template has.
    EXPECT_TRUE(model.saveTemplate(board(2, 3, "--")));
    {
        pugi::xml_document doc;
        const pugi::xml_node templ = item(doc, "TEMPLATE", "Line Status");
        EXPECT_STREQ(templ.attribute("font").value(), "S5");
        EXPECT_STREQ(templ.attribute("rows").value(), "2");
        EXPECT_STREQ(templ.attribute("cols").value(), "3");
        EXPECT_EQ(msgfile::elementsByName(templ, "LINE").size(), 2u);
        EXPECT_EQ(msgfile::itemName(templ), "Line Status");
    }

    // Opening a multipage template without pages writes page 1 at once; the next save then
    // rewrites it in place rather than adding another.
    click(path + "::Templates::Shift Board");
    EXPECT_TRUE(model.selection().multipageMode);
    EXPECT_EQ(model.selection().currentPage, 1);
    model.selection().pageCount = 1;
    model.selection().pageStored = false;
    model.selection().newPagePending = true;
    msgfile::PageContent page;
    page.board = board(1, 4, "S7");
    ASSERT_TRUE(model.saveMultipageTemplate(page));
    EXPECT_TRUE(model.selection().pageStored);
    EXPECT_FALSE(model.selection().newPagePending);
    ASSERT_TRUE(model.saveMultipageTemplate(page));
    {
        pugi::xml_document doc;
        const pugi::xml_node templ = item(doc, "TEMPLATE", "Shift Board");
        EXPECT_STREQ(templ.attribute("numberofpages").value(), "1");
        EXPECT_STREQ(templ.attribute("type").value(), "multipage");
        EXPECT_EQ(msgfile::elementsByName(templ, "PAGE").size(), 1u);
    }

    click(path + "::Alarms::Fire");
    EXPECT_TRUE(model.saveAlarm({{"FIRE <EXIT>", msgfile::kRgbRed}}, {}));
    {
        pugi::xml_document doc;
        const pugi::xml_node alarm = item(doc, "ALARM", "Fire");
        EXPECT_TRUE(msgfile::elementsByName(alarm, "VARIABLE").empty());
    }
    // A string whose variable tag is not closed is refused by its writer; nothing is saved.
    click(path + "::Strings::Welcome");
    const std::string before = readFile(path);
    EXPECT_FALSE(model.saveString({{"Hello <name", msgfile::kRgbRed}}, {}));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Missing '>'.  Variable not properly defined.");
    EXPECT_EQ(prompter.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(readFile(path), before);
}

TEST_F(SaveTest, AnItemRemovedBehindOurBackIsReportedAndNeverRecreated) {
    const std::string other = "<MARQUEE><STRING>Someone else's</STRING></MARQUEE>";
    struct Case {
        std::string key;
        std::function<bool()> save;
        std::string title;
    };
    const std::vector<Case> cases = {
        {path + "::Templates::Line Status", [&] { return model.saveTemplate(board(1, 1, "S7")); },
         "Save Template Failed."},
        {path + "::Templates::Shift Board",
         [&] { return model.saveMultipageTemplate(msgfile::PageContent{}); },
         "Save Template Failed."},
        {path + "::Strings::Welcome",
         [&] {
             return model.saveString({{"x", 255}}, {});
         },
         "Save String Failed."},
        {path + "::Alarms::Fire",
         [&] {
             return model.saveAlarm({{"x", 255}}, {});
         },
         "Save Alarm Failed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        click(c.key);
        msgfile::test::writeFile(path, other);
        prompter.shown.clear();
        EXPECT_FALSE(c.save());
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text,
                  "Message file and explorer out of synch.  Remove and re-add file to refresh.");
        EXPECT_EQ(prompter.shown[0].title, c.title);
        EXPECT_EQ(prompter.shown[0].icon, Icon::Critical);
        EXPECT_EQ(readFile(path), other);
    }
    // A file that no longer loads.
    msgfile::test::writeFile(path, "<MARQUEE>");
    prompter.shown.clear();
    EXPECT_FALSE(model.saveAlarm({{"x", 255}}, {}));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"File could not be loaded.  Verify filename and location."});
    // An item without any child makes the file corrupt.
    msgfile::test::writeFile(path, "<MARQUEE><ALARM/><ALARM>Fire</ALARM></MARQUEE>");
    prompter.shown.clear();
    EXPECT_FALSE(model.saveAlarm({{"x", 255}}, {}));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Corrupt file detected."});
}

TEST_F(SaveTest, AReadOnlyFileGivesPermissionDeniedAndStaysAsItWas) {
    msgfile::test::openToEveryone(dir.file(""));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const std::string denied =
        "Permission Denied.\r\nCould not open file '" + path + "' for write.\r\n\r\n";
    // Root may write anything, so the writes run as a user without privileges.
    const int failures = msgfile::test::runUnprivileged([&] {
        int bad = 0;
        auto expect = [&](const Outcome& outcome, const std::string& lastLine,
                          const std::string& title) {
            if (!outcome || outcome->text != denied + lastLine || outcome->title != title ||
                outcome->icon != Icon::Critical) {
                ++bad;
            }
        };
        expect(createItem(path, ItemKind::MultipageTemplate, "New"), "Template was not created.",
               "New Multipage Template Failed.");
        expect(createItem(path, ItemKind::Alarm, "New"), "Alarm was not created.",
               "New Alarm Failed.");
        expect(removeItem(path, ItemKind::String, "Welcome"), "String was not removed.",
               "Remove String Failed.");
        expect(removeItem(path, ItemKind::Template, "Line Status"), "Template was not removed.",
               "Remove Template Failed.");
        expect(saveTemplateItem(path, "Line Status", board(1, 2, "S7")), "Changes were not saved.",
               "Save Template Failed.");
        expect(saveTextItem(path, ItemKind::String, "Welcome", {{"Hi", 255}}, {}),
               "Changes were not saved.", "Save String Failed.");
        return bad;
    });
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(readFile(path), kSampleFile);
}

TEST_F(SaveTest, ASaveThatRunsOutOfSpaceLeavesTheFileWhole) {
    msgfile::test::SmallFileSystem disk(256 * 1024, 64);
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
    model.removeMessageFile();
    const std::string small = disk.file("board.xml");
    msgfile::test::writeFile(small, kSampleFile);
    ASSERT_TRUE(model.loadMessageFile(small));
    // Leave far less room than the new content needs.
    msgfile::test::writeFile(disk.file("filler"), std::string(240 * 1024, 'x'));
    click(small + "::Templates::Line Status");
    EXPECT_FALSE(model.saveTemplate(board(100, 400, "S7")));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].title, "Save Template Failed.");
    EXPECT_EQ(prompter.shown[0].text.rfind(std::to_string(ENOSPC) + " :: Legendo\r\n", 0), 0u)
        << prompter.shown[0].text;
    EXPECT_EQ(readFile(small), kSampleFile);
    // Nothing is left beside it either.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(disk.file("")))
        ++entries;
    EXPECT_EQ(entries, 2);
}

}  // namespace
}  // namespace ztk::legendo::testing
