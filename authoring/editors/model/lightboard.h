// SPDX-License-Identifier: MIT
#pragma once
// The lightboard: a rows x columns grid of character cells with a cursor and a rectangular
// selection from the cursor to a selection end, as a flexible grid keeps them: a drag or a
// shifted arrow moves the selection end and leaves the cursor where it was.

#include <vector>

#include "model/signcolor.h"

namespace ztk::legendo {

struct CellPos {
    int row = 0;
    int col = 0;
    bool operator==(const CellPos&) const = default;
};

// The normalised selection: rows top..bottom, columns left..right, both inclusive.
struct CellRange {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    bool contains(CellPos p) const {
        return p.row >= top && p.row <= bottom && p.col >= left && p.col <= right;
    }
};

struct LightCell {
    // The character shown; a space for a blank cell.
    char32_t ch = U' ';
    Rgb fore = kNoColor;
    Rgb back = kNoColor;
    // A cell belongs to a variable field exactly when it has the field background.
    bool isVariable() const { return back == msgfile::kRgbVariableBack; }
};

class Lightboard {
  public:
    // Board sizes are bounded so that a typed or stored number cannot exhaust memory.
    static constexpr int kMaxRows = 500;
    static constexpr int kMaxCols = 500;

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    bool contains(CellPos p) const {
        return p.row >= 0 && p.row < rows_ && p.col >= 0 && p.col < cols_;
    }
    LightCell& at(CellPos p) { return cells_[index(p)]; }
    const LightCell& at(CellPos p) const { return cells_[index(p)]; }

    // Gives the board a new size (each bounded to 0..max); cells inside both sizes keep
    // their content, new cells are blank. Cursor and selection end stay inside the board.
    void resize(int rows, int cols);

    CellPos cursor() const { return cursor_; }
    // The selection's corner opposite the cursor.
    CellPos selectionEnd() const { return end_; }
    // Moves the cursor; the selection shrinks to the cursor cell.
    void setCursor(CellPos p);
    // Puts the cursor on `cursor` and selects the rectangle from there to `end`.
    void select(CellPos cursor, CellPos end);
    CellRange selection() const;
    bool singleCellSelected() const { return cursor_ == end_; }

    // Whether the last row (rows) or the last column (!rows) holds no variable cell, so
    // that the board may lose it.
    bool canShrink(bool rows) const;

  private:
    std::size_t index(CellPos p) const;
    CellPos clamped(CellPos p) const;

    int rows_ = 0;
    int cols_ = 0;
    std::vector<LightCell> cells_;
    CellPos cursor_;
    CellPos end_;
};

}  // namespace ztk::legendo
