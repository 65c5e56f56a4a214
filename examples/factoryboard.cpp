// SPDX-License-Identifier: MIT
#include "factoryboard.h"

#include "msgfile/names.h"
#include "msgfile/save.h"
#include "msgfile/writers.h"

namespace ztk::examples {
namespace {

using namespace msgfile;

// An item element as the authoring program prepares it: appended to the root, holding its
// name as the first child.
pugi::xml_node newItem(pugi::xml_document& doc, const char* element, const char* name) {
    pugi::xml_node item = doc.document_element().append_child(element);
    item.append_child(pugi::node_pcdata).set_value(name);
    return item;
}

// Line status: which state line 1 is in, parts made against the goal, the hall temperature.
TemplateContent lineStatus() {
    TemplateContent content{Board(3, 20), {}, "S7"};
    Board& board = content.board;
    for (int row = 0; row < board.rows(); ++row)
        board.put(row, 0, std::u32string(20, U' '), kRgbGreen);
    board.put(0, 0, U"Line 1", kRgbGreen);
    addVariableField(content, {0, 7, 13, "state"}, kRgbAmber);
    board.put(1, 0, U"Made", kRgbGreen);
    addVariableField(content, {1, 5, 5, "count"}, kRgbAmber);
    board.put(1, 10, U" Goal", kRgbGreen);
    addVariableField(content, {1, 16, 4, "goal"}, kRgbAmber);
    board.put(2, 0, U"Temp", kRgbGreen);
    addVariableField(content, {2, 5, 4, "temp"}, kRgbRed);
    board.put(2, 9, U" \u00b0C", kRgbGreen);
    return content;
}

// One page of the shift board: the shift and its hours, then who leads it.
PageContent shiftPage(const std::u32string& shift, const std::string& lead) {
    PageContent page;
    page.board = TemplateContent{Board(2, 16), {}, "S7"};
    Board& board = page.board.board;
    for (int row = 0; row < board.rows(); ++row)
        board.put(row, 0, std::u32string(16, U' '), kRgbGreen);
    board.put(0, 0, shift, kRgbGreen);
    board.put(1, 0, U"Lead", kRgbAmber);
    addVariableField(page.board, {1, 5, 11, lead}, kRgbGreen);
    return page;
}

void setAttribute(pugi::xml_node node, const char* name, const char* value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) attribute = node.append_attribute(name);
    attribute.set_value(value);
}

bool check(const WriteOutcome& outcome, std::string& problem) {
    if (!outcome) problem = outcomeText(outcome, "\n");
    return static_cast<bool>(outcome);
}

}  // namespace

bool buildFactoryBoard(pugi::xml_document& doc, std::string& problem) {
    resetToNewFile(doc);

    // The template as the authoring program saves it: its font and board size on the
    // element, so that the editor opens it at its own size, then its lines.
    const TemplateContent status = lineStatus();
    pugi::xml_node line = newItem(doc, elem::kTemplate, "Line Status");
    setAttribute(line, attr::kFont, status.font.c_str());
    setAttribute(line, attr::kRows, std::to_string(status.board.rows()).c_str());
    setAttribute(line, attr::kCols, std::to_string(status.board.cols()).c_str());
    if (!check(WriteTemplate(line, status), problem)) return false;

    // The multipage template as the authoring program makes it and then saves it page by
    // page: the page count and the type first, then the page.
    pugi::xml_node shifts = newItem(doc, elem::kTemplate, "Shift Board");
    setAttribute(shifts, attr::kType, kMultipage);
    PageContent first = shiftPage(U"Shift A  06-14", "leadA");
    first.holdTime = "Speed 2";
    PageContent second = shiftPage(U"Shift B  14-22", "leadB");
    second.rotateText = "Wear your helmet and safety glasses";
    second.rotateColor = "Amber";
    int pageCount = 0;
    for (const PageContent* page : {&first, &second}) {
        ++pageCount;
        setAttribute(shifts, attr::kNumberOfPages, std::to_string(pageCount).c_str());
        setAttribute(shifts, attr::kType, kMultipage);
        if (!check(WriteMultiPgTemplate(shifts, *page, {pageCount, pageCount, false}), problem)) {
            return false;
        }
    }

    const DisplayBoxes output{"3", kNotSet, "Rotate", "Top", "S7"};
    if (!check(WriteString(newItem(doc, elem::kString, "Output"),
                           {{"Made <count> parts, goal <goal>", kRgbGreen}}, output),
               problem)) {
        return false;
    }
    const DisplayBoxes welcome{"2", "Sparkle", "Hold", "Middle", kNotSet};
    if (!check(WriteString(newItem(doc, elem::kString, "Welcome"),
                           {{"Welcome to ", kRgbAmber}, {"Hall <hall>", kRgbGreen}}, welcome),
               problem)) {
        return false;
    }

    const DisplayBoxes fire{"5", kNotSet, "Flash", "Fill", "S7"};
    const DisplayBoxes flood{"3", kNotSet, "RollLeft", "Top", "S5"};
    const DisplayBoxes gas{kNotSet, "Starburst", "AutoMode", "Bottom", kNotSet};
    return check(WriteAlarm(newItem(doc, elem::kAlarm, "Fire"),
                            {{"FIRE in hall 2 - leave now", kRgbRed}}, fire),
                 problem) &&
           check(WriteAlarm(newItem(doc, elem::kAlarm, "Flood"), {{"Flood at dock 3", kRgbAmber}},
                            flood),
                 problem) &&
           check(WriteAlarm(newItem(doc, elem::kAlarm, "Gas"),
                            {{"GAS", kRgbRed}, {" <leak> no sparks", kRgbAmber}}, gas),
                 problem);
}

bool writeFactoryBoard(const std::string& path, std::string& problem) {
    pugi::xml_document doc;
    if (!buildFactoryBoard(doc, problem)) return false;
    const SaveResult saved = saveDocument(doc, path);
    if (!saved) problem = saved.reason;
    return static_cast<bool>(saved);
}

}  // namespace ztk::examples
