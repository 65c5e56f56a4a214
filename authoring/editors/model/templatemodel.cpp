// SPDX-License-Identifier: MIT
#include "model/templatemodel.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "model/editortexts.h"
#include "model/text32.h"
#include "msgfile/text.h"

namespace ztk::legendo {
namespace {

constexpr char32_t kBackspace = 8;

bool isDigits(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// The size typed into a size box, bounded to `max`; nothing when it is not a positive
// number.
std::optional<int> typedSize(std::string_view text, int max) {
    const std::optional<std::int16_t> value = msgfile::toInt16Rounded(text);
    if (!value) {
        if (isDigits(text)) return max;  // a number too large for any board
        return std::nullopt;
    }
    if (*value <= 0) return std::nullopt;
    return std::min<int>(*value, max);
}

}  // namespace

std::string signFontNamed(std::string_view word) {
    const std::string upper = upperAscii(word);
    for (const char* font : kSignFonts) {
        if (upper == font) return font;
    }
    return {};
}

TemplateEditorModel::TemplateEditorModel(EditorHost& host) : host_(host) {}

void TemplateEditorModel::changed(unsigned what) {
    if (loading_ == 0) host_.setChanged(true);
    notify(listener_, what);
}

void TemplateEditorModel::reset() {
    colorBox_ = SignColor::Red;
    currentColor_ = kNoColor;
    fontBox_ = "S7";
    nameText_.clear();
    board_.resize(0, 0);
    board_.setCursor({0, 0});
    rowsText_ = colsText_ = "0";
    variables_.clear();
    notify(listener_, kAllChanged);
}

void TemplateEditorModel::typeKey(char32_t key) {
    const CellPos at = board_.cursor();
    if (!board_.singleCellSelected() || !board_.contains(at) || board_.at(at).isVariable()) return;
    if (key != kBackspace && (key < 32 || key == 127)) return;
    LightCell& cell = board_.at(at);
    const int lastCol = board_.cols() - 1;
    if (key == kBackspace) {
        cell.ch = U' ';
        if (at.col > 0) {
            board_.setCursor({at.row, at.col - 1});
        } else if (at.row > 0) {
            board_.setCursor({at.row - 1, lastCol});
        }
    } else {
        cell.ch = key;
        cell.fore = rgbOf(colorBox_);
        if (at.col < lastCol) {
            board_.setCursor({at.row, at.col + 1});
        } else if (at.row < board_.rows() - 1) {
            board_.setCursor({at.row + 1, 0});
        }
    }
    cursorMoved();
    changed(kCellsChanged | kCursorChanged);
}

void TemplateEditorModel::pressDelete() {
    const CellPos at = board_.cursor();
    if (!board_.singleCellSelected() || !board_.contains(at)) return;
    board_.at(at).ch = U' ';
    changed(kCellsChanged);
}

void TemplateEditorModel::recolorField(int index, Rgb color, bool& anyChanged) {
    const FieldPlace place = variables_.at(index).place();
    for (int c = place.column; c <= place.lastColumn(); ++c) {
        if (!board_.contains({place.row, c})) continue;
        LightCell& cell = board_.at({place.row, c});
        if (cell.fore != color) {
            cell.fore = color;
            anyChanged = true;
        }
    }
}

void TemplateEditorModel::chooseColor(SignColor color) {
    colorBox_ = color;
    const Rgb rgb = rgbOf(color);
    bool anyChanged = false;
    if (board_.rows() > 0 && board_.cols() > 0) {
        recoloring_ = true;
        const CellRange range = board_.selection();
        for (int r = range.top; r <= range.bottom; ++r) {
            for (int c = range.left; c <= range.right; ++c) {
                LightCell& cell = board_.at({r, c});
                if (cell.isVariable()) {
                    if (const int field = variables_.findCovering(r, c); field >= 0) {
                        recolorField(field, rgb, anyChanged);
                    }
                } else if (cell.fore != rgb) {
                    cell.fore = rgb;
                    anyChanged = true;
                }
            }
        }
        recoloring_ = false;
    }
    currentColor_ = rgb;
    if (anyChanged) {
        changed(kCellsChanged | kBoxesChanged);
    } else {
        notify(listener_, kBoxesChanged);
    }
}

void TemplateEditorModel::moveCursor(CellPos to) {
    if (!board_.contains(to)) return;
    board_.setCursor(to);
    cursorMoved();
    notify(listener_, kCursorChanged);
}

void TemplateEditorModel::extendSelection(CellPos to) {
    if (!board_.contains(to)) return;
    board_.select(board_.cursor(), to);
    notify(listener_, kCursorChanged);
}

void TemplateEditorModel::stepCursor(int rows, int cols, bool extend) {
    if (board_.rows() == 0 || board_.cols() == 0) return;
    if (extend) {
        const CellPos from = board_.selectionEnd();
        extendSelection({std::clamp(from.row + rows, 0, board_.rows() - 1),
                         std::clamp(from.col + cols, 0, board_.cols() - 1)});
        return;
    }
    const CellRange range = board_.selection();
    CellPos from = board_.cursor();
    if (cols > 0) from.col = range.right;
    if (cols < 0) from.col = range.left;
    if (rows > 0) from.row = range.bottom;
    if (rows < 0) from.row = range.top;
    moveCursor({std::clamp(from.row + rows, 0, board_.rows() - 1),
                std::clamp(from.col + cols, 0, board_.cols() - 1)});
}

void TemplateEditorModel::selectField(const FieldPlace& place, bool cursorAtEnd) {
    const CellPos first{place.row, place.column};
    const CellPos last{place.row, place.lastColumn()};
    if (cursorAtEnd) {
        board_.select(last, first);
    } else {
        board_.select(first, last);
    }
}

void TemplateEditorModel::cursorMoved() {
    if (recoloring_) return;
    const CellPos at = board_.cursor();
    if (!board_.contains(at)) return;
    const LightCell& cell = board_.at(at);
    if (cell.fore != kNoColor) currentColor_ = cell.fore;
    if (cell.isVariable()) {
        if (const int field = variables_.findCovering(at.row, at.col); field >= 0) {
            variables_.select(field);
            const FieldPlace place = variables_.at(field).place();
            selectField(place, at.col == place.lastColumn() && place.length > 1);
        }
    }
    if (const auto color = signColorOf(cell.fore)) colorBox_ = *color;
    notify(listener_, kCursorChanged | kVariablesChanged | kBoxesChanged);
}

void TemplateEditorModel::setNameText(std::string text) {
    nameText_ = std::move(text);
}

bool TemplateEditorModel::addField(int row, int first, int last, const std::string& name,
                                   SignColor color) {
    Prompter& prompter = host_.prompter();
    if (variables_.findName(name) >= 0) {
        prompter.message(texts::kUniqueName, texts::kUniqueNameTitle, Icon::Exclamation);
        notify(listener_, kCorrectName);
        return false;
    }
    if (name.empty()) {
        prompter.message(texts::kNameRequired, texts::kNameRequiredTitle, Icon::Exclamation);
        return false;
    }
    if (!board_.contains({row, first}) || !board_.contains({row, last}) || first > last) {
        return false;
    }
    for (int c = first; c <= last; ++c) {
        if (board_.at({row, c}).isVariable()) {
            prompter.message(texts::kOverlap, texts::kOverlapTitle, Icon::Exclamation);
            return false;
        }
    }
    for (int c = first; c <= last; ++c) {
        LightCell& cell = board_.at({row, c});
        cell.fore = rgbOf(color);
        cell.back = msgfile::kRgbVariableBack;
        cell.ch = U'x';
    }
    variables_.add({static_cast<std::int16_t>(row), static_cast<std::int16_t>(first),
                    static_cast<std::int16_t>(last - first + 1)},
                   name);
    variables_.select(variables_.size() - 1);
    changed(kCellsChanged | kVariablesChanged);
    return true;
}

void TemplateEditorModel::addVariable() {
    const CellPos cursor = board_.cursor();
    const int first = std::min(cursor.col, board_.selectionEnd().col);
    const int last = std::max(cursor.col, board_.selectionEnd().col);
    if (!addField(cursor.row, first, last, nameText_, colorBox_)) return;
    nameText_.clear();
    board_.setCursor({cursor.row, first});
    cursorMoved();
    notify(listener_, kNameChanged | kCursorChanged);
}

void TemplateEditorModel::deleteVariable() {
    Prompter& prompter = host_.prompter();
    if (variables_.empty()) {
        prompter.message(texts::kListEmpty, texts::kListEmptyTitle, Icon::Exclamation);
        return;
    }
    const int index = std::max(variables_.selected(), 0);
    const VariableEntry entry = variables_.at(index);
    if (prompter.message(texts::confirmDeleteText(entry.name), "", Icon::Exclamation,
                         Buttons::YesNo) != Answer::Yes) {
        return;
    }
    const FieldPlace place = entry.place();
    selectField(place, true);
    for (int c = place.column; c <= place.lastColumn(); ++c) {
        if (!board_.contains({place.row, c})) continue;
        LightCell& cell = board_.at({place.row, c});
        cell.back = kNoColor;
        cell.ch = U' ';
    }
    variables_.remove(index);
    changed(kCellsChanged | kVariablesChanged | kCursorChanged);
}

void TemplateEditorModel::selectVariable(int index) {
    if (index < 0 || index >= variables_.size()) return;
    variables_.select(index);
    selectField(variables_.at(index).place(), true);
    cursorMoved();
}

void TemplateEditorModel::dropFieldsOutsideBoard() {
    // A field that lost cells with the board is shortened to the board's edge, one that
    // lost them all is dropped, so that the list never names cells that do not exist.
    for (int i = variables_.size() - 1; i >= 0; --i) {
        FieldPlace place = variables_.at(i).place();
        if (place.row >= board_.rows() || place.column >= board_.cols()) {
            variables_.remove(i);
        } else if (place.lastColumn() >= board_.cols()) {
            place.length = static_cast<std::int16_t>(board_.cols() - place.column);
            variables_.move(i, place);
        }
    }
}

void TemplateEditorModel::setSize(int rows, int cols) {
    board_.resize(rows, cols);
    rowsText_ = std::to_string(board_.rows());
    colsText_ = std::to_string(board_.cols());
    dropFieldsOutsideBoard();
    notify(listener_, kSizeChanged | kCellsChanged | kCursorChanged | kVariablesChanged);
}

void TemplateEditorModel::applySizeText(std::string_view text, bool rows) {
    const int max = rows ? Lightboard::kMaxRows : Lightboard::kMaxCols;
    std::string& box = rows ? rowsText_ : colsText_;
    const std::optional<int> size = typedSize(text, max);
    if (!size) {
        box = "1";
    } else if (msgfile::toInt16Rounded(text) == *size) {
        box = std::string(text);
    } else {
        box = std::to_string(*size);
    }
    board_.resize(rows ? size.value_or(1) : board_.rows(), rows ? board_.cols() : size.value_or(1));
    dropFieldsOutsideBoard();
    changed(kSizeChanged | kCellsChanged | kCursorChanged | kVariablesChanged);
}

void TemplateEditorModel::typeRows(std::string_view text) {
    applySizeText(text, true);
}

void TemplateEditorModel::typeCols(std::string_view text) {
    applySizeText(text, false);
}

void TemplateEditorModel::stepSize(int delta, bool rows) {
    if (delta < 0 && !board_.canShrink(rows)) {
        host_.prompter().message(texts::kCannotResize, "", Icon::None);
        return;
    }
    const std::string& box = rows ? rowsText_ : colsText_;
    const int value = msgfile::toInt16Rounded(box).value_or(rows ? board_.rows() : board_.cols());
    applySizeText(std::to_string(value + delta), rows);
}

void TemplateEditorModel::stepRows(int delta) {
    stepSize(delta, true);
}

void TemplateEditorModel::stepCols(int delta) {
    stepSize(delta, false);
}

void TemplateEditorModel::stepViewFont(int delta) {
    viewFontSize_ = std::clamp(viewFontSize_ + delta, kMinViewFontSize, kMaxViewFontSize);
    notify(listener_, kViewChanged);
}

void TemplateEditorModel::chooseFont(std::string font) {
    fontBox_ = std::move(font);
    changed(kBoxesChanged);
}

void TemplateEditorModel::setColorBox(SignColor color) {
    colorBox_ = color;
    currentColor_ = rgbOf(color);
    notify(listener_, kBoxesChanged);
}

void TemplateEditorModel::setFontBox(std::string font) {
    fontBox_ = std::move(font);
    notify(listener_, kBoxesChanged);
}

void TemplateEditorModel::putCharacter(CellPos at, char32_t ch) {
    LightCell& cell = board_.at(at);
    cell.ch = ch == msgfile::kBlankChar ? U' ' : ch;
    cell.fore = currentColor_ != kNoColor ? currentColor_ : msgfile::kRgbRed;
}

void TemplateEditorModel::placeCursor(CellPos at) {
    board_.setCursor(at);
}

void TemplateEditorModel::clearVariables() {
    variables_.clear();
    nameText_.clear();
    notify(listener_, kVariablesChanged | kNameChanged);
}

msgfile::TemplateContent TemplateEditorModel::content() const {
    msgfile::TemplateContent content;
    content.board = msgfile::Board(board_.rows(), board_.cols());
    for (int r = 0; r < board_.rows(); ++r) {
        for (int c = 0; c < board_.cols(); ++c) {
            const LightCell& cell = board_.at({r, c});
            msgfile::Cell& out = content.board.at(r, c);
            out.character = cell.ch;
            out.color = cell.fore;
            out.variable = cell.isVariable();
        }
    }
    for (const VariableEntry& entry : variables_.entries()) {
        const FieldPlace place = entry.place();
        content.variables.push_back({place.row, place.column, place.length, entry.name});
    }
    content.font = fontBox_;
    return content;
}

}  // namespace ztk::legendo
