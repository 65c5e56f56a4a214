// SPDX-License-Identifier: MIT
#include "model/lightboard.h"

#include <algorithm>
#include <stdexcept>

namespace ztk::legendo {

std::size_t Lightboard::index(CellPos p) const {
    if (!contains(p)) throw std::out_of_range("cell outside the lightboard");
    return static_cast<std::size_t>(p.row) * static_cast<std::size_t>(cols_) +
           static_cast<std::size_t>(p.col);
}

CellPos Lightboard::clamped(CellPos p) const {
    return {std::clamp(p.row, 0, std::max(rows_ - 1, 0)),
            std::clamp(p.col, 0, std::max(cols_ - 1, 0))};
}

void Lightboard::resize(int rows, int cols) {
    rows = std::clamp(rows, 0, kMaxRows);
    cols = std::clamp(cols, 0, kMaxCols);
    if (rows == rows_ && cols == cols_) return;
    std::vector<LightCell> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    const int keepRows = std::min(rows, rows_);
    const int keepCols = std::min(cols, cols_);
    for (int r = 0; r < keepRows; ++r) {
        const auto from = cells_.begin() + static_cast<std::ptrdiff_t>(r) * cols_;
        std::copy(from, from + keepCols, cells.begin() + static_cast<std::ptrdiff_t>(r) * cols);
    }
    cells_ = std::move(cells);
    rows_ = rows;
    cols_ = cols;
    cursor_ = clamped(cursor_);
    end_ = clamped(end_);
}

void Lightboard::setCursor(CellPos p) {
    cursor_ = end_ = clamped(p);
}

void Lightboard::select(CellPos cursor, CellPos end) {
    cursor_ = clamped(cursor);
    end_ = clamped(end);
}

CellRange Lightboard::selection() const {
    return {std::min(end_.row, cursor_.row), std::min(end_.col, cursor_.col),
            std::max(end_.row, cursor_.row), std::max(end_.col, cursor_.col)};
}

bool Lightboard::canShrink(bool rows) const {
    if (rows) {
        if (rows_ == 0) return true;
        for (int c = 0; c < cols_; ++c) {
            if (at({rows_ - 1, c}).isVariable()) return false;
        }
        return true;
    }
    if (cols_ == 0) return true;
    for (int r = 0; r < rows_; ++r) {
        if (at({r, cols_ - 1}).isVariable()) return false;
    }
    return true;
}

}  // namespace ztk::legendo
