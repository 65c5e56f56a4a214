// SPDX-License-Identifier: MIT
#pragma once
// The state of the Change Display dialog, apart from its widgets: the models of the
// "Displays" list, the chosen one, the size and colour fields, and what OK saves.

#include <QString>

#include <vector>

#include "displayentry.h"

namespace ztk::simapp {

class SimSettings;

enum class ColorChoice { Single, Three, Eight };

// The range an up-down arrow keeps its field in; `low` is also the step it rounds to.
struct SpinRange {
    int low = 0;
    int high = 0;
    friend bool operator==(const SpinRange&, const SpinRange&) = default;
};

inline const QString kColumnsLabel = QStringLiteral("Columns:");
inline const QString kCharsLabel = QStringLiteral("Chars:");
inline const QString kFullMatrixWarning = QStringLiteral(
    "Columns must be between 32 and 640 in increments of 32.\r\n"
    "Rows must be between 16 and 480 in increments of 16.");
inline const QString kCharacterMatrixWarning = QStringLiteral(
    "Chars must be between 8 and 104 in increments of 8.\r\n"
    "Rows must be between 2 and 60 in increments of 2.");

class ChangeDisplayModel {
  public:
    // The models of the "Displays" list of `settings`, in key order; the one named exactly
    // `title` (the window's title) is chosen, or the first.
    ChangeDisplayModel(const SimSettings& settings, const QString& title);

    const std::vector<DisplayEntry>& entries() const { return entries_; }
    // OK is possible only when the list holds a model.
    bool canAccept() const { return !entries_.empty(); }

    int selected() const { return selected_; }
    // Chooses model `index` and fills the fields from it.
    void select(int index);

    // "Chars:" while a character-matrix template is chosen, else "Columns:".
    QString columnsLabel() const { return charLabel_ ? kCharsLabel : kColumnsLabel; }
    int columns() const { return columns_; }
    void setColumns(int value) { columns_ = value; }
    int rows() const { return rows_; }
    void setRows(int value) { rows_ = value; }
    SpinRange columnsRange() const { return columnsRange_; }
    SpinRange rowsRange() const { return rowsRange_; }
    ColorChoice color() const { return color_; }
    void setColor(ColorChoice color) { color_ = color; }

    // The size fields, their arrows and Single/Three can be changed only for templates;
    // Eight never can.
    bool sizesEditable() const;

    // What an arrow makes of `value`: value + change, rounded away from `value` to a multiple
    // of range.low and kept within the range.
    static int stepped(int value, int change, SpinRange range);
    void stepColumns(int change) { columns_ = stepped(columns_, change, columnsRange_); }
    void stepRows(int change) { rows_ = stepped(rows_, change, rowsRange_); }

    struct Result {
        bool accepted = false;
        QString modelLine;  // the chosen model, when accepted
        QString warning;    // why not, when refused
    };
    // OK: checks the sizes of a template and names the generic model it makes; on success
    // writes "cmdInfo" and "ExtendedMem" and appends the model to "Displays" when its name is
    // not listed yet. A refusal writes nothing.
    Result accept(SimSettings& settings);

  private:
    std::vector<DisplayEntry> entries_;
    // Keys read from "Displays", lines that do not parse included: a new model goes after
    // all of them, never over one.
    int storedCount_ = 0;
    int selected_ = -1;
    bool charLabel_ = false;
    int columns_ = 0;
    int rows_ = 0;
    SpinRange columnsRange_{32, 640};
    SpinRange rowsRange_{16, 480};
    ColorChoice color_ = ColorChoice::Three;
};

}  // namespace ztk::simapp
