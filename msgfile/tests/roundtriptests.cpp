// SPDX-License-Identifier: MIT
// What the writers produce survives saving and loading unchanged, and reads back through
// the reading helpers as the content that was written.
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "msgfile/text.h"
#include "msgfile/writers.h"
#include "testfiles.h"

#include <gtest/gtest.h>

namespace ztk::msgfile {
namespace {

TEST(RoundTrip, WrittenItemsLoadBackUnchanged) {
    test::TempDir dir;
    const std::string path = dir.file("board.xml");
    ASSERT_TRUE(createMessageFile(path));

    TemplateContent board{Board(2, 12), {}, "S10"};
    board.board.put(0, 0, U"Caf\u00e9 1 \u20ac", kRgbAmber);
    addVariableField(board, {1, 0, 4, "first"}, kRgbGreen);
    board.board.put(1, 4, U"  mid", kRgbRed);
    addVariableField(board, {1, 9, 3, "last one"}, kRgbAmber);
    const PageContent page{board, "Speed 4", "   ", "Amber"};

    pugi::xml_document written;
    ASSERT_FALSE(loadMessageFile(written, path));
    auto add = [&](const char* element, const char* name) {
        pugi::xml_node item = written.document_element().append_child(element);
        item.append_child(pugi::node_pcdata).set_value(name);
        return item;
    };
    ASSERT_TRUE(WriteTemplate(add(elem::kTemplate, "Board"), board));
    ASSERT_TRUE(WriteMultiPgTemplate(add(elem::kTemplate, " "), page, {1, 1, false}));
    ASSERT_TRUE(WriteString(add(elem::kString, "Status"),
                            {{"Temp <t1> now <<x>> ", kRgbRed}, {"\n", kRgbGreen}},
                            {"5", "--", "Scroll", "Middle", "SFULL"}));
    ASSERT_TRUE(WriteAlarm(add(elem::kAlarm, "Fire"), {{"  Fire <now>  ", kRgbRed}}, {}));
    ASSERT_TRUE(saveDocument(written, path));

    pugi::xml_document read;
    ASSERT_FALSE(loadMessageFile(read, path));
    EXPECT_EQ(serializeDocument(read), serializeDocument(written));

    const pugi::xml_node line = findItem(read, elem::kTemplate, "Board").item.child(elem::kLine);
    EXPECT_EQ(blanksToSpaces(line.child(elem::kText).text().get()), "Caf\u00e9 1 \u20ac");
    EXPECT_EQ(blanksToSpaces(line.last_child().text().get()), "    ");
    const pugi::xml_node field = line.next_sibling(elem::kLine).last_child().child(elem::kVariable);
    EXPECT_EQ(itemName(field), "last one");
    EXPECT_EQ(maxLenFromText(field.attribute(attr::kMaxLen).value()), 3);

    // A page named by a blank with a rotate line of blanks keeps both.
    const pugi::xml_node pages = findItem(read, elem::kTemplate, " ").item;
    EXPECT_EQ(templateKind(pages), TemplateKind::SinglePage) << "type is set by the caller";
    EXPECT_STREQ(pages.child(elem::kPage).child(elem::kRotateLine).child(elem::kText).text().get(),
                 "   ");
    EXPECT_STREQ(findItem(read, elem::kString, "Status").item.last_child().text().get(), "\n");
    EXPECT_EQ(blanksToSpaces(findItem(read, elem::kAlarm, "Fire").item.child_value(elem::kText)),
              "  Fire <now>  ");
}

}  // namespace
}  // namespace ztk::msgfile
