// SPDX-License-Identifier: MIT
// The editors' widgets on the offscreen platform: typing into the grid, recolouring a
// selection, the page buttons, the coloured rich text, and the controls' accessible names.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

#include "editortesthost.h"
#include "itemeditor.h"
#include "widgets/stringeditor.h"
#include "widgets/templateeditor.h"

namespace ztk::legendo {
namespace {

class EditorWidgets : public test::EditorTest {
  protected:
    void SetUp() override {
        test::EditorTest::SetUp();
        editors = makeEditors(host, nullptr);
        host.setEditors(editors.templateEditor.get(), editors.multipageEditor.get(),
                        editors.stringEditor.get());
    }
    // Resets and loads `editor` on `item` of `folder` in a file of `items`, and shows it.
    QWidget* open(ItemEditor& editor, const std::string& items, const std::string& folder,
                  const std::string& item) {
        host.select(writeFile(items), folder, item);
        editor.reset();
        EXPECT_TRUE(editor.load());
        QWidget* panel = editor.panel();
        panel->resize(1000, 560);
        panel->show();
        return panel;
    }
    template <typename W>
    static W* child(QWidget* panel, const char* name) {
        W* widget = panel->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QPoint cellCenter(QTableView* grid, int row, int col) {
        return grid->visualRect(grid->model()->index(row, col)).center();
    }
    static QString cellText(QTableView* grid, int row, int col) {
        return grid->model()->index(row, col).data(Qt::AccessibleTextRole).toString();
    }
    TemplateEditorModel& templateModel() {
        return static_cast<TemplateEditor&>(*editors.templateEditor).model();
    }

    Editors editors;
};

TEST_F(EditorWidgets, TypingIntoTheGridFillsCellsAndEnablesSave) {
    QWidget* panel =
        open(*editors.templateEditor, "<TEMPLATE rows='2' cols='4'>T</TEMPLATE>", "Templates", "T");
    auto* grid = child<QTableView>(panel, "MSFlexGrid1");
    auto* save = child<QPushButton>(panel, "cmdTemplateSave");
    EXPECT_FALSE(save->isEnabled());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCenter(grid, 0, 1));
    QTest::keyClicks(grid, "Hi!");
    EXPECT_EQ(cellText(grid, 0, 1), "H, red");
    EXPECT_EQ(cellText(grid, 0, 3), "!, red");
    EXPECT_EQ(templateModel().board().cursor(), (CellPos{1, 0}));
    EXPECT_TRUE(save->isEnabled());
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClick(grid, Qt::Key_Backspace);
    EXPECT_EQ(cellText(grid, 0, 3), "blank, red");
    EXPECT_EQ(templateModel().board().cursor(), (CellPos{0, 2}));

    // What a screen reader reads comes from the same text.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_TRUE(table && table->tableInterface());
    QAccessibleInterface* cell = table->tableInterface()->cellAt(0, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "H, red");

    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_FALSE(save->isEnabled());
    EXPECT_NE(readFile(host.selection().currentFile).find(">Hi&#04;<"), std::string::npos);
}

TEST_F(EditorWidgets, ADraggedSelectionTakesTheColourChosenInTheBoxWithItsWholeField) {
    QWidget* panel = open(*editors.templateEditor,
                          "<TEMPLATE rows='1' cols='6'>T<LINE><TEXT color='Red'>abc</TEXT>"
                          "<TEXT color='Red'><VARIABLE max_len='2'>Count</VARIABLE></TEXT></LINE>"
                          "</TEMPLATE>",
                          "Templates", "T");
    auto* grid = child<QTableView>(panel, "MSFlexGrid1");
    auto* color = child<QComboBox>(panel, "cboColor");
    EXPECT_EQ(cellText(grid, 0, 4), "x, variable 'Count'");
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cellCenter(grid, 0, 1));
    QTest::mouseMove(grid->viewport(), cellCenter(grid, 0, 3));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cellCenter(grid, 0, 3));
    color->setFocus();
    QTest::keyClick(color, Qt::Key_Down);  // "Green"
    EXPECT_EQ(color->currentText(), "Green");
    EXPECT_EQ(cellText(grid, 0, 0), "a, red");
    EXPECT_EQ(cellText(grid, 0, 1), "b, green");
    EXPECT_EQ(cellText(grid, 0, 2), "c, green");
    EXPECT_EQ(templateModel().board().at({0, 4}).fore, msgfile::kRgbGreen);
    EXPECT_EQ(cellText(grid, 0, 5), "blank");
    EXPECT_EQ(panel->focusWidget(), grid);
    EXPECT_TRUE(host.selection().changed);
}

TEST_F(EditorWidgets, ThePageButtonsMoveAddAndRemovePages) {
    QWidget* panel =
        open(*editors.multipageEditor,
             "<TEMPLATE type='multipage' numberofpages='3'>M"
             "<PAGE holdtime='1' rows='1' cols='2' pagenumber='1'/>"
             "<PAGE holdtime='2' rows='1' cols='2' pagenumber='2'/>"
             "<PAGE holdtime='0' rows='1' cols='2' pagenumber='3'>"
             "<ROTATELINE><TEXT color='Amber'>Go</TEXT></ROTATELINE></PAGE></TEMPLATE>",
             "Templates", "M");
    auto* label = child<QLabel>(panel, "lblPgNumber");
    auto* previous = child<QPushButton>(panel, "cmdPreviousTemplatePg");
    auto* next = child<QPushButton>(panel, "cmdNextTemplatePg");
    auto* add = child<QPushButton>(panel, "cmdAddTemplatePg");
    auto* remove = child<QPushButton>(panel, "cmdRemovePg");
    auto* hold = child<QComboBox>(panel, "cboPgHoldTime");
    auto* rotate = child<QLineEdit>(panel, "txtMultiPgRotateTxt");
    EXPECT_EQ(label->text(), "Page 1 of 3");
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled() && remove->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(label->text(), "Page 3 of 3");
    EXPECT_EQ(rotate->text(), "Go");
    EXPECT_FALSE(hold->isEnabled());
    EXPECT_FALSE(next->isEnabled());
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(hold->currentText(), "Speed 2");
    EXPECT_TRUE(hold->isEnabled());
    EXPECT_EQ(rotate->text(), "");

    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(label->text(), "Page 3 of 4");
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_TRUE(previous->isEnabled() && next->isEnabled());
    // Leaving the unsaved page drops it; the stored page shown can be removed again.
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(label->text(), "Page 2 of 3");
    EXPECT_TRUE(remove->isEnabled());
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(label->text(), "Page 2 of 2");
    EXPECT_EQ(rotate->text(), "Go");
    EXPECT_TRUE(shown().empty());
}

TEST_F(EditorWidgets, TheTextBoxShowsRunsInTheirColoursAndARecolourIsAnEdit) {
    QWidget* panel = open(*editors.stringEditor,
                          "<STRING>S<TEXT special='Snow' color='Green'>go</TEXT>"
                          "<TEXT color='Amber'>on</TEXT></STRING>",
                          "Strings", "S");
    auto* text = child<RichTextBox>(panel, "rtbDisplayText");
    auto* color = child<QComboBox>(panel, "cboColorString");
    auto* save = child<QPushButton>(panel, "cmdSaveString");
    EXPECT_EQ(text->toPlainText(), "goon");
    EXPECT_FALSE(child<QComboBox>(panel, "cboMode")->isEnabled());
    EXPECT_EQ(child<QComboBox>(panel, "cboSpecial")->currentText(), "Snow");
    QList<QColor> colors;
    for (auto it = text->document()->begin().begin(); !it.atEnd(); ++it)
        colors << it.fragment().charFormat().foreground().color();
    EXPECT_EQ(colors, (QList<QColor>{QColor(0, 255, 0), QColor(255, 128, 0)}));
    EXPECT_FALSE(save->isEnabled());

    QTextCursor cursor = text->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    EXPECT_EQ(color->currentIndex(), -1);  // mixed colours
    color->setFocus();
    QTest::keyClick(color, Qt::Key_Down);
    EXPECT_EQ(panel->focusWidget(), text);
    auto& model = static_cast<StringEditor&>(*editors.stringEditor).model();
    EXPECT_EQ(model.text().colorOf(1, 2), msgfile::kRgbRed);
    EXPECT_TRUE(save->isEnabled());
    cursor.setPosition(4);
    text->setTextCursor(cursor);
    QTest::keyClicks(text, "!");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->toPlainText(), "goon!");
    EXPECT_EQ(model.text().colorOf(4, 1), msgfile::kRgbAmber);
}

TEST_F(EditorWidgets, EveryControlIsNamedByItsLabel) {
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"txtNumLines", "Rows"},
        {"udNumLines", "Rows"},
        {"txtCharsPerLine", "Columns"},
        {"udFontSize", "View Font Size"},
        {"cboColor", "Color"},
        {"cboTemplateFont", "Font"},
        {"cmdAssign", "Add"},
        {"cmdRemove", "Delete"},
        {"cmdTemplateSave", "Save"},
        {"txtMultiPgNumLines", "Rows"},
        {"cboPgHoldTime", "Page Hold Speed"},
        {"txtMultiPgRotateTxt", "Optional Text to Rotate on Bottom of Page"},
        {"cmdPreviousTemplatePg", "Previous Page"},
        {"cmdRemovePg", "Remove Page"},
        {"rtbDisplayText", "Text to Display"},
        {"cboSpecial", "Special"},
        {"udStringFontSize", "View Font Size"},
        {"cmdSaveString", "Save"}};
    std::map<QString, QString> names;
    for (ItemEditor* editor : {editors.templateEditor.get(), editors.multipageEditor.get(),
                               editors.stringEditor.get()}) {
        for (QWidget* widget : editor->panel()->findChildren<QWidget*>()) {
            const bool control =
                qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                qobject_cast<QAbstractButton*>(widget) ||
                qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QTextEdit*>(widget);
            if (control && widget->parentWidget() == editor->panel()) {
                EXPECT_FALSE(widget->accessibleName().isEmpty())
                    << widget->objectName().toStdString();
            }
            names[widget->objectName()] = widget->accessibleName();
        }
    }
    for (const auto& [name, label] : expected)
        EXPECT_EQ(names[QString::fromLatin1(name)], QString::fromLatin1(label)) << name;
}

}  // namespace
}  // namespace ztk::legendo

namespace ztk::legendo {
namespace {

TEST(EditorOwnership, APanelWhoseFrameWentFirstIsNotDeletedAgain) {
    test::TestEditorHost host;
    auto* frame = new QWidget;
    Editors editors = makeEditors(host, frame);
    host.setEditors(editors.templateEditor.get(), editors.multipageEditor.get(),
                    editors.stringEditor.get());
    delete frame;
    for (ItemEditor* editor : {editors.templateEditor.get(), editors.multipageEditor.get(),
                               editors.stringEditor.get()}) {
        EXPECT_EQ(editor->panel(), nullptr);
    }
    // The model still reaches the editors while they are destroyed without their panels.
    host.setChanged(true);
    host.setEditors(nullptr, nullptr, nullptr);
    editors = {};
}

}  // namespace
}  // namespace ztk::legendo
