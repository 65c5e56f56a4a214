// SPDX-License-Identifier: MIT
#include "msgfile/writers.h"

#include "msgfile/names.h"
#include "msgfile/text.h"
#include "writerinternals.h"

#include <algorithm>

namespace ztk::msgfile {
namespace detail {
namespace {

// Writes the run as a TEXT of its colour and the font box's text, then empties it.
void flushRun(pugi::xml_node line, std::string& run, Rgb color, const std::string& font) {
    if (run.empty()) return;
    const pugi::xml_node text = appendElement(line, elem::kText);
    setAttribute(text, attr::kColor, colorWord(color));
    setAttribute(text, attr::kFont, font);
    appendText(text, run);
    run.clear();
}

const VariableField& fieldStartingAt(const TemplateContent& content, int row, int col) {
    const auto found = std::find_if(
        content.variables.begin(), content.variables.end(),
        [&](const VariableField& field) { return field.row == row && field.column == col; });
    const std::string where = "row " + std::to_string(row) + ", column " + std::to_string(col);
    if (found == content.variables.end()) {
        throw WriterFailure(kErrInvalidArgument, "No variable field starts at " + where);
    }
    // A field without cells would never move the walk on; one without a name could never
    // be updated.
    if (found->length < 1) {
        throw WriterFailure(kErrInvalidArgument, "The variable field at " + where + " is empty");
    }
    if (found->name.empty()) {
        throw WriterFailure(kErrInvalidArgument, "The variable field at " + where + " has no name");
    }
    return *found;
}

void appendVariable(pugi::xml_node line, const VariableField& field, Rgb color,
                    const std::string& font) {
    const pugi::xml_node text = appendElement(line, elem::kText);
    setAttribute(text, attr::kColor, colorWord(color));
    setAttribute(text, attr::kFont, font);
    const pugi::xml_node variable = appendElement(text, elem::kVariable);
    setAttribute(variable, attr::kMaxLen, std::to_string(field.length));
    appendText(variable, field.name);
}

}  // namespace

void appendBoardLines(pugi::xml_node parent, const TemplateContent& content) {
    const Board& board = content.board;
    for (int row = 0; row < board.rows(); ++row) {
        const pugi::xml_node line = appendElement(parent, elem::kLine);
        std::string run;
        Rgb runColor = board.cols() > 0 ? board.at(row, 0).color : kRgbRed;
        int col = 0;
        while (col < board.cols()) {
            const Cell& cell = board.at(row, col);
            if (cell.variable) {
                flushRun(line, run, runColor, content.font);
                const VariableField& field = fieldStartingAt(content, row, col);
                appendVariable(line, field, cell.color, content.font);
                col += std::min(field.length, board.cols() - col);
                continue;
            }
            if (cell.color != runColor) {
                flushRun(line, run, runColor, content.font);
                runColor = cell.color;
            }
            if (cell.character == U' ' || cell.character == U'\0') {
                run += kBlank;
            } else {
                appendUtf8(run, cell.character);
            }
            ++col;
        }
        flushRun(line, run, runColor, content.font);
    }
}

}  // namespace detail

WriteOutcome WriteTemplate(pugi::xml_node templ, const TemplateContent& content) {
    return detail::guarded("WriteTemplate", [&] {
        if (!templ) throw detail::WriterFailure(kErrNoElement, "No template element to write into");
        detail::appendBoardLines(templ, content);
        return WriteOutcome::ok();
    });
}

}  // namespace ztk::msgfile
