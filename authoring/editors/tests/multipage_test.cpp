// SPDX-License-Identifier: MIT
// The multipage editor's pages: opening, navigation with the save prompt, adding, removing
// and saving pages, and the rotating line with its hold time.
#include <gtest/gtest.h>

#include <cstdio>

#include "editortesthost.h"
#include "model/editortexts.h"
#include "model/multipagemodel.h"
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/text.h"

namespace ztk::legendo {
namespace {

const std::string kThreePages =
    "<TEMPLATE type='multipage' numberofpages='3'>M"
    "<PAGE holdtime='2' rows='1' cols='3' pagenumber='1'><LINE><TEXT color='Red'>one</TEXT>"
    "</LINE></PAGE>"
    "<PAGE holdtime='3' rows='1' cols='3' pagenumber='2'><LINE><TEXT color='Green'>two</TEXT>"
    "</LINE></PAGE>"
    "<PAGE holdtime='0' rows='1' cols='5' pagenumber='3'><LINE><TEXT color='Amber'>three</TEXT>"
    "</LINE><ROTATELINE><TEXT color='Green' font='S7'>Go on</TEXT></ROTATELINE></PAGE>"
    "</TEMPLATE>";

class Multipage : public test::EditorTest {
  protected:
    void open(const std::string& templ) {
        host.select(writeFile(templ), "Templates", "M");
        pages.reset();
        ASSERT_TRUE(pages.open());
    }
    // The template as stored now.
    pugi::xml_node stored() {
        EXPECT_FALSE(msgfile::loadMessageFile(doc_, host.selection().currentFile));
        return msgfile::findItem(doc_, "TEMPLATE", "M").item;
    }
    // Each stored page as "number:text of its lines".
    std::vector<std::string> storedPages() {
        std::vector<std::string> out;
        for (pugi::xml_node page : stored().children("PAGE")) {
            std::string text = page.attribute("pagenumber").value() + std::string(":");
            for (pugi::xml_node line : page.children("LINE")) {
                for (pugi::xml_node run : line.children("TEXT"))
                    text += msgfile::blanksToSpaces(run.text().get());
            }
            out.push_back(text);
        }
        return out;
    }
    std::u32string row(int r) const { return test::boardRow(board, r); }
    const Selection& selection() { return host.selection(); }
    void typeOnNewBoard(const char32_t* text) {
        board.typeRows("1");
        board.typeCols("3");
        board.moveCursor({0, 0});
        for (; *text; ++text)
            board.typeKey(*text);
    }

    TemplateEditorModel board{host};
    MultipageModel pages{host, board};

  private:
    pugi::xml_document doc_;
};

TEST_F(Multipage, OpeningATemplateWithoutPagesWritesAnEmptyFirstPageAtOnce) {
    open("<TEMPLATE type='multipage'>M</TEMPLATE>");
    const pugi::xml_node templ = stored();
    EXPECT_STREQ(templ.attribute("numberofpages").value(), "1");
    const pugi::xml_node page = templ.child("PAGE");
    ASSERT_TRUE(page);
    EXPECT_FALSE(page.next_sibling("PAGE"));
    EXPECT_STREQ(page.attribute("pagenumber").value(), "1");
    EXPECT_STREQ(page.attribute("rows").value(), "0");
    EXPECT_STREQ(page.attribute("holdtime").value(), "1");
    EXPECT_EQ(pages.pageLabel(), "Page 1 of 1");
    EXPECT_FALSE(pages.previousEnabled() || pages.nextEnabled() || pages.removeEnabled());
    EXPECT_TRUE(selection().newPagePending);
    EXPECT_FALSE(selection().changed);

    // Saving it now rewrites that page instead of adding a second one.
    typeOnNewBoard(U"AB");
    ASSERT_TRUE(pages.save());
    EXPECT_EQ(storedPages(), std::vector<std::string>{"1:AB "});
    EXPECT_TRUE(selection().pageStored);
    EXPECT_FALSE(selection().newPagePending);
    EXPECT_TRUE(pages.removeEnabled());
    EXPECT_FALSE(selection().changed);
}

TEST_F(Multipage, LeavingAPageAsksAboutUnsavedWorkAndShowsEachPageAfresh) {
    open(kThreePages);
    EXPECT_EQ(pages.pageLabel(), "Page 1 of 3");
    EXPECT_TRUE(pages.nextEnabled() && pages.removeEnabled());
    EXPECT_FALSE(pages.previousEnabled());
    EXPECT_EQ(row(0), U"one");
    EXPECT_EQ(pages.holdBox(), "Speed 2");
    pages.nextPage();
    EXPECT_EQ(pages.pageLabel(), "Page 2 of 3");
    EXPECT_EQ(row(0), U"two");
    EXPECT_TRUE(pages.previousEnabled());

    board.typeKey(U'X');
    host.script().answer({Answer::Cancel, Answer::No});
    pages.nextPage();
    EXPECT_EQ(selection().currentPage, 2);
    EXPECT_EQ(row(0), U"Xwo");
    pages.nextPage();
    EXPECT_EQ(shown(), std::vector<std::string>(2, texts::kSavePrompt));
    EXPECT_EQ(selection().currentPage, 3);
    EXPECT_FALSE(selection().changed);
    EXPECT_EQ(row(0), U"three");
    EXPECT_EQ(pages.rotateText(), "Go on");
    EXPECT_EQ(pages.rotateColor(), SignColor::Green);
    EXPECT_FALSE(pages.holdEnabled());
    EXPECT_FALSE(pages.nextEnabled());

    // Page 2 comes back as stored, without page 3's rotating line.
    pages.previousPage();
    EXPECT_EQ(row(0), U"two");
    EXPECT_EQ(pages.rotateText(), "");
    EXPECT_TRUE(pages.holdEnabled());
    board.typeKey(U'Y');
    host.script().answer({Answer::Yes});
    pages.previousPage();
    EXPECT_EQ(selection().currentPage, 1);
    EXPECT_EQ(storedPages(), (std::vector<std::string>{"1:one", "2:Ywo", "3:three"}));
}

TEST_F(Multipage, APageWhoseSaveFailsStaysOnScreen) {
    open(kThreePages);
    board.typeKey(U'Z');
    writeFile("<TEMPLATE>other</TEMPLATE>");  // the template went away behind our back
    host.script().answer({Answer::Yes});
    pages.nextPage();
    EXPECT_EQ(selection().currentPage, 1);
    EXPECT_TRUE(selection().changed);
    EXPECT_EQ(row(0), U"Zne");
    EXPECT_EQ(shown().back(),
              "Message file and explorer out of synch.  Remove and re-add file to refresh.");
}

TEST_F(Multipage, RemovingAPageRenumbersTheLaterOnesAndShowsTheLastPage) {
    open(kThreePages);
    pages.nextPage();
    pages.removePage();
    EXPECT_EQ(storedPages(), (std::vector<std::string>{"1:one", "2:three"}));
    EXPECT_STREQ(stored().attribute("numberofpages").value(), "2");
    EXPECT_EQ(pages.pageLabel(), "Page 2 of 2");
    EXPECT_EQ(row(0), U"three");
    pages.removePage();
    EXPECT_EQ(pages.pageLabel(), "Page 1 of 1");
    EXPECT_TRUE(pages.removeEnabled());

    // Removing the only page leaves an empty page 1 that nothing in the file backs.
    board.typeKey(U'Q');
    pages.removePage();
    EXPECT_TRUE(storedPages().empty());
    EXPECT_FALSE(stored().attribute("numberofpages"));
    EXPECT_EQ(pages.pageLabel(), "Page 1 of 1");
    EXPECT_FALSE(pages.removeEnabled());
    EXPECT_FALSE(selection().changed);
    EXPECT_FALSE(selection().pageStored);
    EXPECT_EQ(board.board().rows(), 0);
    EXPECT_TRUE(shown().empty());
}

TEST_F(Multipage, ARotatingLineIsStoredWithHoldTimeZeroAndKeepsItsOwnColour) {
    open(
        "<TEMPLATE type='multipage' numberofpages='1'>M<PAGE holdtime='4' rows='1' cols='2' "
        "pagenumber='1'><LINE><TEXT color='Red'>hi</TEXT></LINE></PAGE></TEMPLATE>");
    EXPECT_EQ(pages.holdBox(), "Speed 4");
    EXPECT_TRUE(pages.removeEnabled());
    EXPECT_FALSE(pages.nextEnabled() || pages.previousEnabled());
    board.setColorBox(SignColor::Amber);
    pages.typeRotateText("Hello there");
    EXPECT_EQ(pages.holdBox(), "Speed 1");
    EXPECT_FALSE(pages.holdEnabled());
    ASSERT_TRUE(pages.save());
    pugi::xml_node page = stored().child("PAGE");
    EXPECT_STREQ(page.attribute("holdtime").value(), "0");
    EXPECT_STREQ(page.child("ROTATELINE").child("TEXT").attribute("color").value(), "Amber");
    EXPECT_STREQ(page.child("ROTATELINE").child("TEXT").text().get(), "Hello there");

    // Opened again, the board's first cell is red, yet the line stays amber when saved.
    pages.reset();
    ASSERT_TRUE(pages.open());
    EXPECT_EQ(board.colorBox(), SignColor::Red);
    EXPECT_EQ(pages.rotateText(), "Hello there");
    EXPECT_FALSE(pages.holdEnabled());
    board.typeKey(U'H');
    ASSERT_TRUE(pages.save());
    page = stored().child("PAGE");
    EXPECT_STREQ(page.child("ROTATELINE").child("TEXT").attribute("color").value(), "Amber");
    pages.typeRotateText("");
    EXPECT_TRUE(pages.holdEnabled());
}

TEST_F(Multipage, AnAddedPageFollowsTheShownOneAndCountsAsStoredOnlyOnceSaved) {
    open(kThreePages);
    pages.addPage();
    EXPECT_EQ(pages.pageLabel(), "Page 2 of 4");
    EXPECT_TRUE(pages.previousEnabled() && pages.nextEnabled());
    EXPECT_FALSE(pages.removeEnabled());
    EXPECT_EQ(board.board().rows(), 0);
    typeOnNewBoard(U"new");
    ASSERT_TRUE(pages.save());
    EXPECT_EQ(storedPages(), (std::vector<std::string>{"1:one", "2:new", "3:two", "4:three"}));
    EXPECT_STREQ(stored().attribute("numberofpages").value(), "4");
    EXPECT_TRUE(pages.removeEnabled());

    // A new page whose save fails is not stored: the next save inserts it, instead of
    // writing over the page that has its number.
    pages.addPage();
    typeOnNewBoard(U"ins");
    const std::string file = host.selection().currentFile;
    const std::string content = readFile(file);
    std::remove(file.c_str());
    EXPECT_FALSE(pages.save());
    EXPECT_FALSE(selection().pageStored);
    EXPECT_FALSE(pages.removeEnabled());
    writeFile(content.substr(content.find("<TEMPLATE"),
                             content.rfind("</MARQUEE>") - content.find("<TEMPLATE")));
    ASSERT_TRUE(pages.save());
    EXPECT_EQ(storedPages(),
              (std::vector<std::string>{"1:one", "2:new", "3:ins", "4:two", "5:three"}));
}

}  // namespace
}  // namespace ztk::legendo
