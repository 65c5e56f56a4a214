// SPDX-License-Identifier: MIT
#pragma once
// Message files for the benchmarks: templates, strings and alarms in turn, as the authoring
// program writes them, with the template "Wanted" last (the worst place for a search).
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "msgfile/writers.h"

#include <string>

namespace ztk::msgfile::bench {

inline pugi::xml_node addItem(pugi::xml_document& doc, const char* element,
                              const std::string& name) {
    pugi::xml_node item = doc.document_element().append_child(element);
    item.append_child(pugi::node_pcdata).set_value(name.c_str());
    return item;
}

// The status board template: four rows of twenty, one field.
inline TemplateContent statusBoard() {
    TemplateContent board{Board(4, 20), {}, "S7"};
    board.board.put(0, 0, U"Line one of the board", kRgbGreen);
    board.board.put(2, 0, U"Shift A", kRgbRed);
    addVariableField(board, {1, 5, 6, "count"}, kRgbAmber);
    return board;
}

// Writes a file of `items` items to `path`; the last one is the template "Wanted".
inline void writeMixedFile(const std::string& path, int items) {
    pugi::xml_document doc;
    resetToNewFile(doc);
    const TemplateContent board = statusBoard();
    const DisplayBoxes boxes{"3", "--", "Rotate", "Top", "S7"};
    for (int i = 0; i + 1 < items; ++i) {
        const std::string name = "item" + std::to_string(i);
        switch (i % 3) {
            case 0:
                WriteTemplate(addItem(doc, elem::kTemplate, name), board);
                break;
            case 1:
                WriteString(addItem(doc, elem::kString, name), {{"Made <count> today", kRgbRed}},
                            boxes);
                break;
            default:
                WriteAlarm(addItem(doc, elem::kAlarm, name), {{"Line stopped", kRgbRed}}, boxes);
        }
    }
    WriteTemplate(addItem(doc, elem::kTemplate, "Wanted"), board);
    saveDocument(doc, path);
}

}  // namespace ztk::msgfile::bench
