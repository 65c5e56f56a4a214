// SPDX-License-Identifier: MIT
// Editing the lightboard through the template editor's model: typing, Backspace, Delete,
// recolouring, cursor moves, variable fields and the board size.
#include <gtest/gtest.h>

#include "editortesthost.h"
#include "model/editortexts.h"
#include "model/templatemodel.h"

namespace ztk::legendo {
namespace {

using msgfile::kRgbAmber;
using msgfile::kRgbGreen;
using msgfile::kRgbRed;

class TemplateEditing : public test::EditorTest {
  protected:
    // A fresh board of `rows` x `cols`, not marked as changed.
    void board(int rows, int cols) {
        model.reset();
        model.setSize(rows, cols);
        host.setChanged(false);
    }
    std::u32string row(int r) const { return test::boardRow(model, r); }
    Rgb fore(int r, int c) const { return model.board().at({r, c}).fore; }
    CellPos cursor() const { return model.board().cursor(); }
    void addField(CellPos from, int toCol, const std::string& name) {
        model.moveCursor(from);
        model.extendSelection({from.row, toCol});
        model.setNameText(name);
        model.addVariable();
    }

    TemplateEditorModel model{host};
};

TEST_F(TemplateEditing, TypingWritesTheColourBoxColourAndWrapsToTheNextRow) {
    board(2, 3);
    for (char32_t ch : U"AB")
        model.typeKey(ch);
    model.chooseColor(SignColor::Green);
    for (char32_t ch : U"CDEFG")
        model.typeKey(ch);
    EXPECT_EQ(row(0), U"ABC");
    EXPECT_EQ(row(1), U"DEG");  // the last cell takes every further key
    EXPECT_EQ(fore(0, 1), kRgbRed);
    EXPECT_EQ(fore(0, 2), kRgbGreen);
    EXPECT_EQ(cursor(), (CellPos{1, 2}));
    EXPECT_TRUE(host.selection().changed);

    // Control characters are not text; several selected cells take no key.
    model.moveCursor({0, 0});
    model.typeKey(U'\r');
    model.typeKey(U'\t');
    model.extendSelection({0, 1});
    model.typeKey(U'Z');
    EXPECT_EQ(row(0), U"ABC");
}

TEST_F(TemplateEditing, BackspaceBlanksTheCellAndStepsBackStoppingAtTheOrigin) {
    board(2, 3);
    for (char32_t ch : U"ABCD")
        model.typeKey(ch);
    model.moveCursor({1, 0});
    model.typeKey(8);
    EXPECT_EQ(row(1), U"   ");
    EXPECT_EQ(cursor(), (CellPos{0, 2}));
    model.moveCursor({0, 0});
    model.typeKey(8);
    EXPECT_EQ(row(0), U" BC");
    EXPECT_EQ(cursor(), (CellPos{0, 0}));
}

TEST_F(TemplateEditing, DeleteBlanksOnlyASingleSelectedCellEvenInAField) {
    board(1, 4);
    addField({0, 3}, 3, "one");
    model.moveCursor({0, 3});
    model.pressDelete();
    EXPECT_EQ(row(0), U"    ");
    EXPECT_TRUE(model.board().at({0, 3}).isVariable());
    model.moveCursor({0, 0});
    model.typeKey(U'A');
    model.moveCursor({0, 0});
    model.extendSelection({0, 1});
    model.pressDelete();
    EXPECT_EQ(row(0), U"A   ");
}

TEST_F(TemplateEditing, RecolouringASelectionRecoloursEveryCellOfTheFieldsItTouches) {
    board(2, 6);
    addField({0, 2}, 4, "Count");
    model.moveCursor({0, 0});
    model.extendSelection({1, 2});
    host.setChanged(false);
    model.chooseColor(SignColor::Amber);
    for (int c = 0; c <= 4; ++c)
        EXPECT_EQ(fore(0, c), kRgbAmber) << c;
    EXPECT_EQ(fore(0, 5), kNoColor);
    EXPECT_EQ(fore(1, 2), kRgbAmber);
    EXPECT_EQ(fore(1, 3), kNoColor);
    EXPECT_EQ(model.currentColor(), kRgbAmber);
    EXPECT_TRUE(host.selection().changed);
    // The selection is kept, and the same colour again changes nothing.
    EXPECT_EQ(model.board().selection().right, 2);
    host.setChanged(false);
    model.chooseColor(SignColor::Amber);
    EXPECT_FALSE(host.selection().changed);
}

TEST_F(TemplateEditing, TheCursorTakesUpCellColoursAndSelectsFields) {
    board(1, 8);
    model.chooseColor(SignColor::Green);
    model.typeKey(U'G');
    addField({0, 3}, 5, "Count");
    model.chooseColor(SignColor::Red);
    model.moveCursor({0, 0});
    EXPECT_EQ(model.colorBox(), SignColor::Green);
    EXPECT_EQ(model.currentColor(), kRgbGreen);

    // A field cell selects the whole field, on the grid and in the list.
    model.moveCursor({0, 4});
    const CellRange selected = model.board().selection();
    EXPECT_EQ(selected.left, 3);
    EXPECT_EQ(selected.right, 5);
    EXPECT_EQ(model.variables().selected(), 0);
    // One arrow key leaves the field on either side.
    model.stepCursor(0, 1, false);
    EXPECT_EQ(cursor(), (CellPos{0, 6}));
    model.stepCursor(0, -1, false);
    model.stepCursor(0, -1, false);
    EXPECT_EQ(cursor(), (CellPos{0, 2}));

    // A list click puts the cursor on the field's last cell and selects back to its first.
    model.selectVariable(0);
    EXPECT_EQ(cursor(), (CellPos{0, 5}));
    EXPECT_EQ(model.board().selectionEnd(), (CellPos{0, 3}));
}

TEST_F(TemplateEditing, AddingVariablesRefusesClashesMissingNamesAndOverlaps) {
    board(2, 10);
    addField({0, 0}, 2, "Count");
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(model.variables().at(0).key, "p0|0|3");
    EXPECT_EQ(model.nameText(), "");
    EXPECT_EQ(row(0).substr(0, 4), U"xxx ");

    // A name that differs only in letter case clashes; the name stays for correction.
    addField({1, 0}, 1, "COUNT");
    ASSERT_EQ(host.script().shown.size(), 1u);
    EXPECT_EQ(host.script().shown[0].title, texts::kUniqueNameTitle);
    EXPECT_EQ(shown(), std::vector<std::string>{texts::kUniqueName});
    EXPECT_EQ(model.nameText(), "COUNT");
    addField({1, 0}, 1, "");
    EXPECT_EQ(shown(), std::vector<std::string>{texts::kNameRequired});
    // Only the cursor's row counts, however many rows are selected.
    model.moveCursor({0, 5});
    model.extendSelection({1, 1});
    model.setNameText("Other");
    model.addVariable();
    EXPECT_EQ(shown(), std::vector<std::string>{texts::kOverlap});
    addField({0, 3}, 6, "Other");
    EXPECT_EQ(model.variables().size(), 2);
    EXPECT_EQ(model.variables().at(1).key, "p0|3|4");
    EXPECT_EQ(cursor(), (CellPos{0, 3}));

    const auto place = ParseVariableKey("p12|3|45");
    ASSERT_TRUE(place);
    EXPECT_EQ(place->row, 12);
    EXPECT_EQ(place->column, 3);
    EXPECT_EQ(place->length, 45);
    for (const char* bad : {"", "p", "p1|2", "p1|x|3", "p1|2|3|4", "p99999|1|1"})
        EXPECT_FALSE(ParseVariableKey(bad)) << bad;
}

TEST_F(TemplateEditing, DeletingAVariableAsksFirstAndClearsItsCells) {
    board(1, 5);
    model.deleteVariable();
    EXPECT_EQ(shown(), std::vector<std::string>{texts::kListEmpty});
    addField({0, 1}, 3, "Count");
    host.setChanged(false);
    host.script().answer({Answer::No, Answer::Yes});
    model.deleteVariable();
    EXPECT_EQ(model.variables().size(), 1);
    EXPECT_FALSE(host.selection().changed);
    model.deleteVariable();
    EXPECT_EQ(shown(), (std::vector<std::string>{"Are you sure you want to delete 'Count'?",
                                                 "Are you sure you want to delete 'Count'?"}));
    EXPECT_TRUE(model.variables().empty());
    EXPECT_EQ(row(0), U"     ");
    EXPECT_FALSE(model.board().at({0, 2}).isVariable());
    EXPECT_TRUE(host.selection().changed);
}

TEST_F(TemplateEditing, TheSizeBoxesTakeOnlyPositiveNumbersAndBoundTheBoard) {
    board(1, 10);
    model.typeRows("abc");
    EXPECT_EQ(model.rowsText(), "1");
    model.typeRows("-3");
    EXPECT_EQ(model.rowsText(), "1");
    model.typeRows("2.5");
    EXPECT_EQ(model.board().rows(), 2);
    EXPECT_EQ(model.rowsText(), "2.5");
    model.typeCols("99999999");
    EXPECT_EQ(model.board().cols(), Lightboard::kMaxCols);
    EXPECT_EQ(model.colsText(), std::to_string(Lightboard::kMaxCols));
    model.typeCols("4");
    model.stepRows(1);
    EXPECT_EQ(model.rowsText(), "3");
    model.stepCols(-1);
    EXPECT_EQ(model.board().cols(), 3);
    model.typeCols("1");
    model.stepCols(-1);
    EXPECT_EQ(model.colsText(), "1");
    EXPECT_TRUE(host.selection().changed);
    EXPECT_TRUE(shown().empty());
}

TEST_F(TemplateEditing, AFieldInTheLastRowOrColumnRefusesTheDownButtonButNotTyping) {
    board(3, 6);
    addField({2, 1}, 2, "Low");
    addField({0, 4}, 5, "Edge");
    model.stepRows(-1);
    model.stepCols(-1);
    EXPECT_EQ(shown(), std::vector<std::string>(2, texts::kCannotResize));
    EXPECT_EQ(model.board().rows(), 3);
    EXPECT_EQ(model.board().cols(), 6);
    // A smaller number typed is taken: a field that lost cells is shortened to the edge,
    // one that lost them all leaves the list.
    model.typeRows("2");
    model.typeCols("5");
    ASSERT_EQ(model.variables().size(), 1);
    EXPECT_EQ(model.variables().at(0).name, "Edge");
    EXPECT_EQ(model.variables().at(0).key, "p0|4|1");
    model.typeRows("3");
    EXPECT_FALSE(model.board().at({2, 1}).isVariable());
    const msgfile::TemplateContent content = model.content();
    ASSERT_EQ(content.variables.size(), 1u);
    EXPECT_EQ(content.variables[0].length, 1);
    EXPECT_TRUE(content.board.at(0, 4).variable);
}

TEST_F(TemplateEditing, ViewFontSizeAndSignFont) {
    board(1, 1);
    model.stepViewFont(1);
    EXPECT_EQ(model.viewFontSize(), TemplateEditorModel::kDesignFontSize + 1);
    for (int i = 0; i < 100; ++i)
        model.stepViewFont(-1);
    EXPECT_EQ(model.viewFontSize(), TemplateEditorModel::kMinViewFontSize);
    EXPECT_FALSE(host.selection().changed);
    model.chooseFont("F7");
    EXPECT_TRUE(host.selection().changed);
    EXPECT_EQ(model.content().font, "F7");
}

}  // namespace
}  // namespace ztk::legendo
