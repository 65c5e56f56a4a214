// Content written by the writers, saved, loaded again with the reading helpers and read
// back the way the editors read it, must be the content that was written.
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "msgfile/text.h"
#include "msgfile/writers.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <string_view>

namespace ztk::msgfile {
namespace {

Rgb rgbOf(pugi::xml_node text) {
    const std::string_view word = text.attribute(attr::kColor).value();
    return word == "Green" ? kRgbGreen : word == "Amber" ? kRgbAmber : kRgbRed;
}

std::u32string decode(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t ch = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length; ++k)
            ch = (ch << 6) | (utf8[i + k] & 0x3F);
        out += ch;
        i += length;
    }
    return out;
}

// Reads the LINEs of a template or page back onto a board the size of `like`.
TemplateContent readBoard(pugi::xml_node parent, const TemplateContent& like) {
    TemplateContent content{Board(like.board.rows(), like.board.cols()), {}, ""};
    int row = 0;
    for (pugi::xml_node line : parent.children(elem::kLine)) {
        int col = 0;
        for (pugi::xml_node text : line.children(elem::kText)) {
            content.font = text.attribute(attr::kFont).value();
            if (pugi::xml_node variable = text.child(elem::kVariable)) {
                const int length = *maxLenFromText(variable.attribute(attr::kMaxLen).value());
                addVariableField(content, {row, col, length, variable.text().get()}, rgbOf(text));
                col += length;
            } else {
                const std::u32string chars = decode(blanksToSpaces(text.text().get()));
                content.board.put(row, col, chars, rgbOf(text));
                col += static_cast<int>(chars.size());
            }
        }
        ++row;
    }
    return content;
}

void expectSameBoard(const TemplateContent& read, const TemplateContent& written) {
    ASSERT_EQ(read.board.rows(), written.board.rows());
    for (int r = 0; r < read.board.rows(); ++r) {
        for (int c = 0; c < read.board.cols(); ++c) {
            SCOPED_TRACE(testing::Message() << "cell " << r << "," << c);
            const Cell& a = read.board.at(r, c);
            const Cell& b = written.board.at(r, c);
            EXPECT_EQ(a.character, b.character == U'\0' ? U' ' : b.character);
            EXPECT_EQ(a.color, b.color);
            EXPECT_EQ(a.variable, b.variable);
        }
    }
    ASSERT_EQ(read.variables.size(), written.variables.size());
    for (std::size_t i = 0; i < read.variables.size(); ++i) {
        EXPECT_EQ(read.variables[i].name, written.variables[i].name);
        EXPECT_EQ(read.variables[i].column, written.variables[i].column);
        EXPECT_EQ(read.variables[i].length, written.variables[i].length);
    }
    EXPECT_EQ(read.font, written.font);
}

// Reads the TEXTs of a string back as the editor shows them: "<name>" for a variable,
// "<<" for a literal "<", one run per TEXT.
std::vector<ColoredRun> readRuns(pugi::xml_node item) {
    std::vector<ColoredRun> runs;
    for (pugi::xml_node text : item.children(elem::kText)) {
        std::string shown;
        if (pugi::xml_node variable = text.child(elem::kVariable)) {
            shown = "<" + std::string(variable.text().get()) + ">";
        } else {
            for (char c : blanksToSpaces(text.text().get()))
                shown += c == '<' ? "<<" : std::string(1, c);
        }
        if (!runs.empty() && runs.back().color == rgbOf(text)) {
            runs.back().text += shown;
        } else {
            runs.push_back({shown, rgbOf(text)});
        }
    }
    return runs;
}

TEST(RoundTrip, EveryWriterReadsBackAfterSaveAndLoad) {
    test::TempDir dir;
    const std::string path = dir.file("board.xml");
    ASSERT_TRUE(createMessageFile(path));

    TemplateContent board{Board(3, 12), {}, "S10"};
    board.board.put(0, 0, U"Line\u00e9 1 \u20ac", kRgbAmber);
    board.board.put(0, 9, U" x", kRgbGreen);
    addVariableField(board, {1, 0, 4, "first"}, kRgbGreen);
    board.board.put(1, 4, U"  mid", kRgbRed);
    addVariableField(board, {1, 9, 3, "last one"}, kRgbAmber);
    addVariableField(board, {2, 2, 2, "v"}, kRgbRed);

    PageContent page{board, "Speed 4", "  rotating  text ", "Amber"};
    const std::vector<ColoredRun> runs{
        {"Temp <t1> now <<x>> ", kRgbRed}, {"hot", kRgbGreen}, {"<a b>", kRgbAmber}};
    const std::vector<ColoredRun> alarm{{"  Fire <now>  ", kRgbRed}};
    const DisplayBoxes boxes{"5", "--", "Scroll", "Middle", "SFULL"};
    {
        pugi::xml_document doc;
        ASSERT_FALSE(loadMessageFile(doc, path));
        pugi::xml_node root = doc.document_element();
        auto add = [&](const char* element, const char* name) {
            pugi::xml_node item = root.append_child(element);
            item.append_child(pugi::node_pcdata).set_value(name);
            return item;
        };
        ASSERT_TRUE(WriteTemplate(add(elem::kTemplate, "Board"), board));
        ASSERT_TRUE(WriteMultiPgTemplate(add(elem::kTemplate, "Pages"), page, {1, 1, false}));
        ASSERT_TRUE(WriteString(add(elem::kString, "Status"), runs, boxes));
        ASSERT_TRUE(WriteAlarm(add(elem::kAlarm, "Fire"), alarm, boxes));
        ASSERT_TRUE(saveDocument(doc, path));
    }
    pugi::xml_document doc;
    ASSERT_FALSE(loadMessageFile(doc, path));

    expectSameBoard(readBoard(findItem(doc, elem::kTemplate, "Board").item, board), board);
    const pugi::xml_node pageElement =
        findItem(doc, elem::kTemplate, "Pages").item.child(elem::kPage);
    expectSameBoard(readBoard(pageElement, page.board), page.board);
    EXPECT_STREQ(pageElement.child(elem::kRotateLine).child(elem::kText).text().get(),
                 page.rotateText.c_str());

    const std::vector<ColoredRun> read = readRuns(findItem(doc, elem::kString, "Status").item);
    ASSERT_EQ(read.size(), runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(read[i].text, runs[i].text);
        EXPECT_EQ(read[i].color, runs[i].color);
    }
    const pugi::xml_node alarmItem = findItem(doc, elem::kAlarm, "Fire").item;
    EXPECT_EQ(blanksToSpaces(alarmItem.child(elem::kText).text().get()), alarm[0].text);
    EXPECT_STREQ(alarmItem.child(elem::kText).attribute(attr::kPosition).value(), "Middle");
}

}  // namespace
}  // namespace ztk::msgfile
