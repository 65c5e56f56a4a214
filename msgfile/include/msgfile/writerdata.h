// SPDX-License-Identifier: MIT
#pragma once
// The plain data that the writers take: what the editors hold, without their widgets.

#include "msgfile/colors.h"
#include "msgfile/names.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ztk::msgfile {

// One character cell of a template board.
struct Cell {
    // The character shown; a space or U+0000 is an empty cell.
    char32_t character = U' ';
    // Foreground colour.
    Rgb color = kRgbRed;
    // The cell belongs to a variable field.
    bool variable = false;
};

// A rows x cols board of cells, stored row by row.
class Board {
  public:
    Board() = default;
    Board(int rows, int cols);

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    // The cell at (row, col); both must lie inside the board.
    Cell& at(int row, int col) { return cells_[index(row, col)]; }
    const Cell& at(int row, int col) const { return cells_[index(row, col)]; }
    // Writes `text` into row `row` from column `col` in colour `color`; what does
    // not fit is dropped.
    void put(int row, int col, std::u32string_view text, Rgb color);

  private:
    std::size_t index(int row, int col) const;

    int rows_ = 0;
    int cols_ = 0;
    std::vector<Cell> cells_;
};

// A named variable field: `length` cells of row `row` starting at column `column`.
struct VariableField {
    int row = 0;
    int column = 0;
    int length = 0;
    std::string name;
};

// What the template editor saves: the board, its fields and the font box's text.
struct TemplateContent {
    Board board;
    std::vector<VariableField> variables;
    std::string font = "S7";
};

// Marks the cells of `field` on `content.board` as variable cells and records the field.
void addVariableField(TemplateContent& content, VariableField field, Rgb color);

// One page of a multipage template as the multipage editor holds it.
struct PageContent {
    TemplateContent board;
    // The hold-time box: "Speed 1" to "Speed 5" are stored as "1" to "5".
    std::string holdTime = "Speed 1";
    // Text that rotates along the bottom of the page; empty for none.
    std::string rotateText;
    // The colour box's word for the rotate line ("Red", "Green", "Amber").
    std::string rotateColor = "Red";
};

// Where the multipage editor's current page belongs among the template's pages.
struct PagePlacement {
    // 1-based number of the page being saved.
    int currentPage = 1;
    // Pages of the template as the editor counts them.
    int pageCount = 1;
    // The page is already in the file (rewrite it) rather than new (insert it).
    bool pageStored = false;
};

// A run of string or alarm text in one colour (UTF-8).
struct ColoredRun {
    std::string text;
    Rgb color = kRgbRed;
};

// The display attribute boxes of the string and alarm editor; "--" means not written.
struct DisplayBoxes {
    std::string speed = kNotSet;
    std::string special = kNotSet;
    std::string mode = "AutoMode";
    std::string position = kNotSet;
    std::string font = kNotSet;
};

}  // namespace ztk::msgfile
