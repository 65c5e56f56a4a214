// SPDX-License-Identifier: MIT
#pragma once
// The template editor's state without widgets: the lightboard, its variable fields, the
// colour, font and name boxes and the view font size, with every edit a user can make.
// Both template editors (single page and multipage) use one model each.

#include <array>
#include <string>
#include <string_view>

#include "legendo/editorhost.h"
#include "model/lightboard.h"
#include "model/modelevents.h"
#include "model/variablelist.h"
#include "msgfile/writerdata.h"

namespace ztk::legendo {

// The sign fonts of the font box, in its order.
inline constexpr std::array<const char*, 6> kSignFonts = {"S5",  "S7",    "F7",
                                                          "S10", "FFULL", "SFULL"};

// The entry of kSignFonts named by `word` in any letter case; empty when none.
std::string signFontNamed(std::string_view word);

class TemplateEditorModel {
  public:
    // The grid's view font size at start, in points.
    static constexpr double kDesignFontSize = 9.75;
    static constexpr double kMinViewFontSize = 1;
    static constexpr double kMaxViewFontSize = 72;

    explicit TemplateEditorModel(EditorHost& host);

    void setListener(ModelListener listener) { listener_ = std::move(listener); }

    const Lightboard& board() const { return board_; }
    const VariableList& variables() const { return variables_; }
    SignColor colorBox() const { return colorBox_; }
    // The colour last chosen or met, which loaded text takes.
    Rgb currentColor() const { return currentColor_; }
    const std::string& fontBox() const { return fontBox_; }
    const std::string& nameText() const { return nameText_; }
    const std::string& rowsText() const { return rowsText_; }
    const std::string& colsText() const { return colsText_; }
    double viewFontSize() const { return viewFontSize_; }

    // Empties the editor: a 0 x 0 board, red, font S7, no variables.
    void reset();

    // --- What a user does ---
    // A key typed on the grid: a character, or Backspace (8). Other control characters
    // are not text and are ignored, as is any key while several cells or a field cell
    // are selected.
    void typeKey(char32_t key);
    // The Delete key on the grid: blanks the single selected cell, a field cell too.
    void pressDelete();
    // A colour chosen in the colour box: recolours the selection, whole fields included.
    void chooseColor(SignColor color);
    // The cursor put on a cell (a click or an arrow key).
    void moveCursor(CellPos to);
    // The selection extended to a cell (a drag or a shifted arrow key); the cursor stays.
    void extendSelection(CellPos to);
    // An arrow key: moves from the selection's edge, so that a selected field is left in
    // one step.
    void stepCursor(int rows, int cols, bool extend);
    void setNameText(std::string text);
    // cmdAssign: a field over the selected cells of the cursor's row, named by the name box.
    void addVariable();
    // cmdRemove: deletes the selected field of the list after asking.
    void deleteVariable();
    // A click on entry `index` of the variables list: highlights its field.
    void selectVariable(int index);
    // Text typed into the rows or columns box.
    void typeRows(std::string_view text);
    void typeCols(std::string_view text);
    // The up-down buttons (or arrow keys) of the rows and columns boxes.
    void stepRows(int delta);
    void stepCols(int delta);
    // The view font size's up-down: only the view changes.
    void stepViewFont(int delta);
    void chooseFont(std::string font);

    // What is saved: the board, its fields and the font box.
    msgfile::TemplateContent content() const;

    // --- What the loaders do ---
    // While alive, edits do not mark the editor as changed.
    class Loading {
      public:
        explicit Loading(TemplateEditorModel& model) : model_(model) { ++model_.loading_; }
        ~Loading() { --model_.loading_; }
        Loading(const Loading&) = delete;
        Loading& operator=(const Loading&) = delete;

      private:
        TemplateEditorModel& model_;
    };
    // Sets the board size and both size boxes.
    void setSize(int rows, int cols);
    // Sets the colour box as the program does (no recolouring); the current colour follows.
    void setColorBox(SignColor color);
    void setCurrentColor(Rgb color) { currentColor_ = color; }
    void setFontBox(std::string font);
    // Writes one character at `at` in the current colour (red when there is none).
    void putCharacter(CellPos at, char32_t ch);
    // Makes cells `first`..`last` of `row` a field named `name` in `color`, with the
    // messages for a clashing name, a missing name and an overlap. True when added.
    bool addField(int row, int first, int last, const std::string& name, SignColor color);
    // Puts the cursor on the cell without the cursor-move handling.
    void placeCursor(CellPos at);
    // The cursor-move handling: the cell's colour becomes current and is shown in the
    // colour box; a field cell selects its field in the list and on the grid.
    void cursorMoved();
    void clearVariables();

  private:
    void changed(unsigned what);
    void applySizeText(std::string_view text, bool rows);
    void stepSize(int delta, bool rows);
    void dropFieldsOutsideBoard();
    void recolorField(int index, Rgb color, bool& anyChanged);
    void selectField(const FieldPlace& place, bool cursorAtEnd);

    EditorHost& host_;
    ModelListener listener_;
    Lightboard board_;
    VariableList variables_;
    SignColor colorBox_ = SignColor::Red;
    Rgb currentColor_ = kNoColor;
    std::string fontBox_ = "S7";
    std::string nameText_;
    std::string rowsText_ = "0";
    std::string colsText_ = "0";
    double viewFontSize_ = kDesignFontSize;
    int loading_ = 0;
    bool recoloring_ = false;
};

}  // namespace ztk::legendo
