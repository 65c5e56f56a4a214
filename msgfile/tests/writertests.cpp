// SPDX-License-Identifier: MIT
#include "msgfile/names.h"
#include "msgfile/writers.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ztk::msgfile {
namespace {

std::string xmlOf(pugi::xml_node node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

// An item element as the save routines prepare it: emptied, holding its name.
pugi::xml_node newItem(pugi::xml_document& doc, const char* element, const char* name) {
    pugi::xml_node root = doc.child(elem::kMarquee);
    if (!root) root = doc.append_child(elem::kMarquee);
    pugi::xml_node item = root.append_child(element);
    item.append_child(pugi::node_pcdata).set_value(name);
    return item;
}

TEST(WriteTemplate, SplitsRowsByColourAndWritesEachFieldAsItsOwnText) {
    pugi::xml_document doc;
    pugi::xml_node templ = newItem(doc, elem::kTemplate, "T");
    TemplateContent content{Board(2, 5), {}, "S7"};
    content.board.put(0, 0, U"AB", kRgbRed);
    content.board.put(0, 2, U"  ", kRgbGreen);
    content.board.at(0, 4) = {U'\0', kRgbGreen};  // never typed in
    content.board.put(1, 0, U"=", kRgbRed);
    addVariableField(content, {1, 1, 3, "temp"}, kRgbAmber);
    content.board.put(1, 4, U"\u00b0", kRgbGreen);
    ASSERT_TRUE(WriteTemplate(templ, content));
    EXPECT_EQ(xmlOf(templ),
              "<TEMPLATE>T<LINE><TEXT color=\"Red\" font=\"S7\">AB</TEXT>"
              "<TEXT color=\"Green\" font=\"S7\">&#04;&#04;&#04;</TEXT></LINE>"
              "<LINE><TEXT color=\"Red\" font=\"S7\">=</TEXT>"
              "<TEXT color=\"Amber\" font=\"S7\"><VARIABLE max_len=\"3\">temp</VARIABLE></TEXT>"
              "<TEXT color=\"Green\" font=\"S7\">\u00b0</TEXT></LINE></TEMPLATE>");
}

TEST(WriteTemplate, InconsistentFieldsFailWithTheWritersMessage) {
    pugi::xml_document doc;
    pugi::xml_node templ = newItem(doc, elem::kTemplate, "T");
    TemplateContent content{Board(1, 4), {}, "S7"};
    content.board.at(0, 1).variable = true;  // marked, but no field starts there
    WriteOutcome outcome = WriteTemplate(templ, content);
    ASSERT_EQ(outcome.kind, WriteOutcome::Kind::UnexpectedError);
    EXPECT_EQ(outcomeText(outcome),
              "Unexpected error in WriteTemplate: 5 -- Legendo\r\n :: "
              "No variable field starts at row 0, column 1");

    // A field of no cells would stall the walk; one without a name can never be updated.
    content.variables = {{0, 1, 0, "x"}};
    EXPECT_FALSE(WriteTemplate(templ, content));
    content.variables = {{0, 1, 2, ""}};
    EXPECT_FALSE(WriteTemplate(templ, content));
}

TEST(WriteString, SplitsAtVariablesAndPutsAttributesOnTheFirstText) {
    pugi::xml_document doc;
    pugi::xml_node item = newItem(doc, elem::kString, "S");
    DisplayBoxes boxes{"2", "--", "Rotate", "Top", "S7"};
    ASSERT_TRUE(WriteString(item, {{"Temp <t1> now", kRgbRed}}, boxes));
    EXPECT_EQ(xmlOf(item),
              "<STRING>S<TEXT speed=\"2\" mode=\"Rotate\" position=\"Top\" font=\"S7\" "
              "color=\"Red\">Temp&#04;</TEXT>"
              "<TEXT font=\"S7\" color=\"Red\"><VARIABLE>t1</VARIABLE></TEXT>"
              "<TEXT font=\"S7\" color=\"Red\">&#04;now</TEXT></STRING>");
}

TEST(WriteString, DoubledAngleIsALiteralAndAnUnclosedTagIsRefused) {
    pugi::xml_document doc;
    pugi::xml_node item = newItem(doc, elem::kString, "S");
    DisplayBoxes boxes;
    boxes.mode = "--";
    ASSERT_TRUE(WriteString(item, {{"a<<b", kRgbRed}}, boxes));
    EXPECT_EQ(xmlOf(item), "<STRING>S<TEXT color=\"Red\">a&lt;b</TEXT></STRING>");

    // "<<" keeps the colour of its first "<"; a name keeps its own "<<" as "<".
    item = newItem(doc, elem::kString, "S2");
    ASSERT_TRUE(WriteString(item, {{"x<", kRgbRed}, {"<y<a<<b>", kRgbAmber}}, boxes));
    EXPECT_EQ(xmlOf(item),
              "<STRING>S2<TEXT color=\"Red\">x&lt;</TEXT><TEXT color=\"Amber\">y</TEXT>"
              "<TEXT color=\"Amber\"><VARIABLE>a&lt;b</VARIABLE></TEXT></STRING>");

    const WriteOutcome outcome = WriteString(item, {{"Temp <t1 now", kRgbRed}}, boxes);
    EXPECT_EQ(outcome.kind, WriteOutcome::Kind::MissingCloseTag);
    EXPECT_EQ(outcomeText(outcome), "Missing '>'.  Variable not properly defined.");
}

TEST(WriteAlarm, AngleBracketsAreOrdinaryText) {
    pugi::xml_document doc;
    pugi::xml_node item = newItem(doc, elem::kAlarm, "Fire");
    DisplayBoxes boxes{"--", "Snow", "Hold", "--", "--"};
    ASSERT_TRUE(WriteAlarm(item, {{"a<b> <<c", kRgbGreen}}, boxes));
    EXPECT_EQ(xmlOf(item),
              "<ALARM>Fire<TEXT special=\"Snow\" mode=\"Hold\" color=\"Green\">"
              "a&lt;b&gt;&#04;&lt;&lt;c</TEXT></ALARM>");
}

// "number/holdtime/first text" of every PAGE in document order.
std::string pageSummary(pugi::xml_node templ) {
    std::string summary;
    for (pugi::xml_node page : templ.children(elem::kPage)) {
        summary += std::string(page.attribute(attr::kPageNumber).value()) + "/" +
                   page.attribute(attr::kHoldTime).value() + "/" +
                   page.child(elem::kLine).child(elem::kText).text().get() + " ";
    }
    return summary;
}

PageContent pageWith(const char32_t* text, const char* hold, const char* rotate = "") {
    PageContent page{{Board(1, 2), {}, "S5"}, hold, rotate, "Green"};
    page.board.board.put(0, 0, text, kRgbRed);
    return page;
}

TEST(WriteMultiPgTemplate, PlacesNewPagesByNumberAndRewritesStoredOnes) {
    pugi::xml_document doc;
    pugi::xml_node templ = newItem(doc, elem::kTemplate, "M");
    ASSERT_TRUE(WriteMultiPgTemplate(templ, pageWith(U"AA", "Speed 2"), {1, 1, false}));
    ASSERT_TRUE(WriteMultiPgTemplate(templ, pageWith(U"BB", "Speed 9", "Hi you"), {2, 2, false}));
    EXPECT_EQ(xmlOf(templ.last_child()),
              "<PAGE holdtime=\"0\" font=\"S5\" rows=\"1\" cols=\"2\" pagenumber=\"2\">"
              "<LINE><TEXT color=\"Red\" font=\"S5\">BB</TEXT></LINE><ROTATELINE>"
              "<TEXT color=\"Green\" font=\"S5\">Hi you</TEXT></ROTATELINE></PAGE>");

    // A new page 1 of 3 goes first and the others move up.
    ASSERT_TRUE(WriteMultiPgTemplate(templ, pageWith(U"NN", "Speed 9"), {1, 3, false}));
    EXPECT_EQ(pageSummary(templ), "1//NN 2/2/AA 3/0/BB ");

    // A stored page is replaced where it stands.
    ASSERT_TRUE(WriteMultiPgTemplate(templ, pageWith(U"RR", "Speed 5"), {2, 3, true}));
    EXPECT_EQ(pageSummary(templ), "1//NN 2/5/RR 3/0/BB ");

    EXPECT_TRUE(removePage(templ, 1, 3));
    EXPECT_EQ(pageSummary(templ), "1/5/RR 2/0/BB ");
    EXPECT_STREQ(templ.attribute(attr::kNumberOfPages).value(), "2");
    EXPECT_FALSE(WriteMultiPgTemplate(templ, pageWith(U"XX", "Speed 1"), {0, 2, true}));
}

TEST(WriteMultiPgTemplate, StoredPageIsTheOneTheEditorLoadedByNumber) {
    // Hand-edited pages out of order: page 2 is stored first.
    pugi::xml_document doc;
    pugi::xml_node templ = newItem(doc, elem::kTemplate, "M");
    ASSERT_TRUE(WriteMultiPgTemplate(templ, pageWith(U"BB", "Speed 1"), {2, 2, false}));
    ASSERT_TRUE(WriteMultiPgTemplate(templ, pageWith(U"AA", "Speed 1"), {1, 2, false}));
    EXPECT_EQ(pageSummary(templ), "1/1/AA 2/1/BB ");
    templ.first_child().next_sibling().attribute(attr::kPageNumber) = "2";
    templ.last_child().attribute(attr::kPageNumber) = "1";
    ASSERT_TRUE(WriteMultiPgTemplate(templ, pageWith(U"A2", "Speed 3"), {1, 2, true}));
    EXPECT_EQ(pageSummary(templ), "2/1/AA 1/3/A2 ");

    // A stored page that is missing from the file is added rather than lost.
    ASSERT_TRUE(WriteMultiPgTemplate(templ, pageWith(U"CC", "Speed 4"), {3, 3, true}));
    EXPECT_EQ(pageSummary(templ), "2/1/AA 1/3/A2 3/4/CC ");
}

}  // namespace
}  // namespace ztk::msgfile
