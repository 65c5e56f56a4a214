// SPDX-License-Identifier: MIT
#pragma once
// Reads the LINE elements of a template or page onto a template editor's board: the text
// runs in their colours, the variable fields, the size and the font.

#include <functional>
#include <optional>

#include <pugixml.hpp>

#include "legendo/prompter.h"
#include "model/templatemodel.h"

namespace ztk::legendo {

class BoardReader {
  public:
    BoardReader(TemplateEditorModel& model, Prompter& prompter)
        : model_(model), prompter_(prompter) {}

    // The `font` attribute into the font box: one of the sign fonts in any letter case,
    // else the box's first entry.
    void readFont(pugi::xml_node element);
    // The `rows` (default 1) and `cols` (default 10) attributes: sets the board and puts
    // the cursor on the first cell. False, after the message, for a value that is not a
    // non-negative number or exceeds the board's bounds.
    bool readSize(pugi::xml_node element);
    // Every LINE child onto its row (surplus lines onto the last row); `other` sees the
    // remaining element children. False, after "Error reading line of template.", when a
    // line cannot be read or `other` fails.
    bool readLines(pugi::xml_node element,
                   const std::function<bool(pugi::xml_node)>& other = nullptr);

    // One LINE at the cursor row: its TEXT and VARIABLE children from column `left`.
    bool parseLineTag(pugi::xml_node line);
    bool LoadTextTag(pugi::xml_node text);
    bool LoadVariableTag(pugi::xml_node variable);
    // Writes `text` from the cursor, one cell a character; false when characters were left
    // over at the row's end (they are dropped).
    bool PutText(std::u32string_view text);

    int row() const { return row_; }
    int col() const { return col_; }

  private:
    // The TEXT and VARIABLE children of a LINE or TEXT (and its text, `withText`) in order;
    // false, after its message, when one of them cannot be read.
    bool readParts(pugi::xml_node parent, bool withText);
    void warnTooLarge();

    TemplateEditorModel& model_;
    Prompter& prompter_;
    int row_ = 0;
    // May stand one past the last column once a row is full, so that further text of the
    // line is reported as not fitting instead of overwriting the last cell.
    int col_ = 0;
};

// A non-negative integer attribute read as the loaders read `rows`: nothing when absent,
// an error when not a number.
struct IntegerAttribute {
    bool present = false;
    std::optional<int> value;  // empty when present but not a number
};
IntegerAttribute readInteger(pugi::xml_node element, const char* name);

}  // namespace ztk::legendo
