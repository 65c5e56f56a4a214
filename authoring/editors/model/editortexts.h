// SPDX-License-Identifier: MIT
#pragma once
// The texts and titles of the editors' message boxes, written exactly as users see them.

#include <string>

#include "msgfile/load.h"
#include "msgfile/save.h"

namespace ztk::legendo::texts {

// A line break inside a message: carriage return and line feed.
inline constexpr char kLineBreak[] = "\r\n";

inline constexpr char kSavePrompt[] = "Do you want to save the changes you have made?";

// Loading a template or a page.
inline constexpr char kCorruptTemplate[] = "loadtemplate:corrupt xml file detected";
inline constexpr char kCorruptMultipage[] = "loadmultipagetemplate:corrupt xml file detected";
inline constexpr char kNotFoundTitle[] = "Not Found.";
inline constexpr char kInvalidRows[] = "Error.  Invalid value for 'rows' attribute.";
inline constexpr char kInvalidCols[] = "Error.  Invalid value for 'cols' attribute.";
inline constexpr char kReadLineFailed[] = "Error reading line of template.";
inline constexpr char kTemplateErrorTitle[] = "Template Error";
inline constexpr char kParseLineFailed[] = "parseLineTag:error parsing line";
inline constexpr char kTemplateTooLarge[] =
    "This template is too big for the dimensions of the board.\r\n"
    "The template will be truncated to the maximum dimensions of this board.";
inline constexpr char kTemplateTooLargeTitle[] = "Template Too Large";

// Variable fields.
inline constexpr char kUniqueName[] = "Please choose a unique name for this variable.";
inline constexpr char kUniqueNameTitle[] = "Name Already Exists";
inline constexpr char kNameRequired[] = "You must assign a name to this variable area.";
inline constexpr char kNameRequiredTitle[] = "Variable Name Required";
inline constexpr char kOverlap[] = "Please do not overlap variable locations on the Lightboard";
inline constexpr char kOverlapTitle[] = "Error in Variable Assignment";
inline constexpr char kListEmpty[] = "There are no items to delete.";
inline constexpr char kListEmptyTitle[] = "List Empty";

// Board size.
inline constexpr char kCannotResize[] = "Cannot resize. One or more variables prohibit the resize.";

// Pages.
inline constexpr char kRemovePageFailed[] = "Remove Page Failed.";

// Strings and alarms.
inline constexpr char kCorruptString[] = "loadstring:corrupt xml file detected";

// "Error " + code + " while processing " + what + " '" + item + "'" + line break + "Line:" +
// line + " Position:" + position + " Reason:" + reason.
std::string parseErrorText(const std::string& what, const std::string& item,
                           const msgfile::LoadError& error);

// The message for a file that could not be saved: the permission text naming the file and
// what was not done, or the error number + " :: " + source + line break + the reason.
std::string saveFailureText(const msgfile::SaveResult& result, const std::string& file,
                            const std::string& notDone);

// "Are you sure you want to delete '" + name + "'?"
std::string confirmDeleteText(const std::string& name);

}  // namespace ztk::legendo::texts
