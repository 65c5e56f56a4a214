// SPDX-License-Identifier: MIT
#include "msgfile/writerdata.h"

#include <algorithm>
#include <stdexcept>

namespace ztk::msgfile {

Board::Board(int rows, int cols)
    : rows_(std::max(rows, 0)),
      cols_(std::max(cols, 0)),
      cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_)) {}

std::size_t Board::index(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) {
        throw std::out_of_range("cell outside the board");
    }
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
           static_cast<std::size_t>(col);
}

void Board::put(int row, int col, std::u32string_view text, Rgb color) {
    for (char32_t ch : text) {
        if (col >= cols_) return;
        Cell& cell = at(row, col++);
        cell.character = ch;
        cell.color = color;
    }
}

void addVariableField(TemplateContent& content, VariableField field, Rgb color) {
    Board& board = content.board;
    const int end = std::min(field.column + field.length, board.cols());
    for (int col = std::max(field.column, 0); col < end; ++col) {
        Cell& cell = board.at(field.row, col);
        cell.character = U'x';
        cell.color = color;
        cell.variable = true;
    }
    content.variables.push_back(std::move(field));
}

}  // namespace ztk::msgfile
