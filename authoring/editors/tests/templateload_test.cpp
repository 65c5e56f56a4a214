// SPDX-License-Identifier: MIT
// Loading templates onto the lightboard: sizes, fonts, colours, text that does not fit,
// surplus lines, variable fields, the loader's messages, and load-save symmetry.
#include <gtest/gtest.h>

#include "editortesthost.h"
#include "model/editortexts.h"
#include "model/templatesession.h"

namespace ztk::legendo {
namespace {

class TemplateLoad : public test::EditorTest {
  protected:
    // Loads the template "T" of a file holding `templ` (a TEMPLATE element's XML).
    bool load(const std::string& templ) {
        host.select(writeFile(templ), "Templates", "T");
        model.reset();
        return loadTemplate(model, host);
    }
    std::u32string row(int r) const { return test::boardRow(model, r); }
    Rgb fore(int r, int c) const { return model.board().at({r, c}).fore; }

    TemplateEditorModel model{host};
};

TEST_F(TemplateLoad, WithoutSizeOrFontABoardOfOneByTenInTheFirstFont) {
    ASSERT_TRUE(load("<TEMPLATE>T</TEMPLATE>"));
    EXPECT_EQ(model.board().rows(), 1);
    EXPECT_EQ(model.board().cols(), 10);
    EXPECT_EQ(model.fontBox(), "S5");
    EXPECT_EQ(model.rowsText(), "1");
    EXPECT_EQ(model.colsText(), "10");
    EXPECT_FALSE(host.selection().changed);
    ASSERT_TRUE(load("<TEMPLATE font='sfull'>T</TEMPLATE>"));
    EXPECT_EQ(model.fontBox(), "SFULL");
    ASSERT_TRUE(load("<TEMPLATE font='S6'>T</TEMPLATE>"));
    EXPECT_EQ(model.fontBox(), "S5");
    EXPECT_TRUE(shown().empty());
}

TEST_F(TemplateLoad, RowsAndColumnsRoundHalvesToEvenAndRefuseNegativesAndWords) {
    ASSERT_TRUE(load("<TEMPLATE rows='2.5' cols='3.5'>T</TEMPLATE>"));
    EXPECT_EQ(model.board().rows(), 2);
    EXPECT_EQ(model.board().cols(), 4);
    ASSERT_TRUE(load("<TEMPLATE rows='3.5' cols='0'>T</TEMPLATE>"));
    EXPECT_EQ(model.board().rows(), 4);
    EXPECT_EQ(model.board().cols(), 0);
    for (const char* rows : {"-2", "two", "", "1e9"}) {
        EXPECT_FALSE(load(std::string("<TEMPLATE rows='") + rows + "'>T</TEMPLATE>")) << rows;
        EXPECT_EQ(shown(), std::vector<std::string>{texts::kInvalidRows});
    }
    EXPECT_FALSE(load("<TEMPLATE cols='-1'>T</TEMPLATE>"));
    EXPECT_FALSE(load("<TEMPLATE cols='501'>T</TEMPLATE>"));
    EXPECT_EQ(shown(), std::vector<std::string>(2, texts::kInvalidCols));
}

TEST_F(TemplateLoad, TextBeyondTheRowIsCutWithAWarningAndNeverWraps) {
    ASSERT_TRUE(
        load("<TEMPLATE rows='2' cols='5'>T"
             "<LINE><TEXT color='Red'>ABCDEFG</TEXT><TEXT color='Green'>H</TEXT></LINE>"
             "<LINE><TEXT color='Green'>XY</TEXT></LINE></TEMPLATE>"));
    EXPECT_EQ(row(0), U"ABCDE");
    EXPECT_EQ(row(1), U"XY   ");
    EXPECT_EQ(fore(0, 4), msgfile::kRgbRed);  // the full row is not overwritten
    ASSERT_EQ(host.script().shown.size(), 2u);
    EXPECT_EQ(host.script().shown[0].title, texts::kTemplateTooLargeTitle);
    EXPECT_EQ(host.script().shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(shown(), std::vector<std::string>(2, texts::kTemplateTooLarge));
}

TEST_F(TemplateLoad, SurplusLinesAreWrittenOverTheLastRow) {
    ASSERT_TRUE(
        load("<TEMPLATE rows='2' cols='3'>T"
             "<LINE><TEXT>one</TEXT></LINE><LINE><TEXT>two</TEXT></LINE>"
             "<LINE><TEXT>3</TEXT></LINE><LINE left='2'><TEXT>X</TEXT></LINE></TEMPLATE>"));
    EXPECT_EQ(row(0), U"one");
    EXPECT_EQ(row(1), U"3wX");
    EXPECT_TRUE(shown().empty());
}

TEST_F(TemplateLoad, ColoursOfTextAndStoredBlanks) {
    ASSERT_TRUE(
        load("<TEMPLATE rows='1' cols='6'>T<LINE>"
             "<TEXT color='red'>a</TEXT><TEXT color='Purple'>b</TEXT>"
             "<TEXT color='AMBER'>c&#4;</TEXT><TEXT>d</TEXT><TEXT color='green'>e</TEXT>"
             "</LINE></TEMPLATE>"));
    EXPECT_EQ(row(0), U"abc de");
    EXPECT_EQ(fore(0, 0), msgfile::kRgbRed);
    EXPECT_EQ(fore(0, 1), msgfile::kRgbRed);
    EXPECT_EQ(fore(0, 2), msgfile::kRgbAmber);
    EXPECT_EQ(fore(0, 3), msgfile::kRgbAmber);
    EXPECT_EQ(fore(0, 4), msgfile::kRgbWhite);
    EXPECT_EQ(fore(0, 5), msgfile::kRgbGreen);
}

TEST_F(TemplateLoad, VariablesAreShortenedAtTheLastColumnAndHaveAtLeastOneCell) {
    ASSERT_TRUE(
        load("<TEMPLATE rows='2' cols='6'>T"
             "<LINE><TEXT color='Green'>AB</TEXT><TEXT color='Amber'>"
             "<VARIABLE max_len='10'>Count</VARIABLE></TEXT></LINE>"
             "<LINE><VARIABLE>z</VARIABLE><TEXT>Q</TEXT>"
             "<VARIABLE max_len='2'>COUNT</VARIABLE></LINE></TEMPLATE>"));
    ASSERT_EQ(model.variables().size(), 2);
    EXPECT_EQ(model.variables().at(0).key, "p0|2|4");
    EXPECT_EQ(model.variables().at(1).key, "p1|0|1");
    EXPECT_EQ(row(0), U"ABxxxx");
    EXPECT_EQ(fore(0, 5), msgfile::kRgbAmber);
    // The clashing name is refused with its message and its cells stay plain.
    EXPECT_EQ(row(1), U"xQ    ");
    EXPECT_EQ(shown(), std::vector<std::string>{texts::kUniqueName});
    EXPECT_FALSE(host.selection().changed);
    EXPECT_EQ(model.nameText(), "COUNT");
}

TEST_F(TemplateLoad, ABadLineEndsTheLoadWithItsMessagesAndLeavesNothingMarkedChanged) {
    EXPECT_FALSE(
        load("<TEMPLATE rows='2' cols='6'>T"
             "<LINE><VARIABLE max_len='2'>a</VARIABLE></LINE>"
             "<LINE><TEXT><VARIABLE max_len='wide'>b</VARIABLE></TEXT></LINE></TEMPLATE>"));
    EXPECT_EQ(shown(), (std::vector<std::string>{texts::kParseLineFailed, texts::kParseLineFailed,
                                                 texts::kReadLineFailed}));
    EXPECT_FALSE(host.selection().changed);
    EXPECT_FALSE(load("<TEMPLATE>T<LINE left='x'/></TEMPLATE>"));
    EXPECT_EQ(shown(), (std::vector<std::string>{texts::kParseLineFailed, texts::kReadLineFailed}));
}

TEST_F(TemplateLoad, FilesThatDoNotParseAndItemsThatAreMissingOrCorrupt) {
    host.select(writeFile("<TEMPLATE>T"), "Templates", "T");
    EXPECT_FALSE(loadTemplate(model, host));
    const std::vector<std::string> parse = shown();
    ASSERT_EQ(parse.size(), 1u);
    EXPECT_TRUE(parse[0].starts_with("Error ")) << parse[0];
    EXPECT_NE(parse[0].find(" while processing template 'T'\r\nLine:1 Position:"),
              std::string::npos)
        << parse[0];
    EXPECT_NE(parse[0].find(" Reason:"), std::string::npos);

    EXPECT_FALSE(load("<TEMPLATE>t</TEMPLATE>"));
    ASSERT_EQ(host.script().shown.size(), 1u);
    EXPECT_EQ(host.script().shown[0].title, texts::kNotFoundTitle);
    EXPECT_EQ(shown(), std::vector<std::string>{"Template 'T' not found in given file."});
    EXPECT_FALSE(load("<TEMPLATE/><TEMPLATE>T</TEMPLATE>"));
    EXPECT_EQ(shown(), std::vector<std::string>{texts::kCorruptTemplate});
}

TEST_F(TemplateLoad, ATemplateWrittenByTheEditorLoadsAndSavesBackUnchanged) {
    const std::string templ =
        "<TEMPLATE font=\"F7\" rows=\"2\" cols=\"7\">T"
        "<LINE><TEXT color=\"Green\" font=\"F7\">Hi&#04;</TEXT>"
        "<TEXT color=\"Amber\" font=\"F7\"><VARIABLE max_len=\"3\">Count</VARIABLE></TEXT>"
        "<TEXT color=\"Red\" font=\"F7\">!</TEXT></LINE>"
        "<LINE><TEXT color=\"Red\" font=\"F7\">&lt;&amp;&#04;&#04;&#04;&#04;&#04;</TEXT></LINE>"
        "</TEMPLATE>";
    ASSERT_TRUE(load(templ));
    ASSERT_TRUE(saveTemplate(model, host));
    EXPECT_EQ(readFile(host.selection().currentFile),
              "<?xml version=\"1.0\"?><MARQUEE>" + templ + "</MARQUEE>");
    EXPECT_TRUE(shown().empty());
}

}  // namespace
}  // namespace ztk::legendo
