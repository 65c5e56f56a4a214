// SPDX-License-Identifier: MIT
#pragma once
// The writers: editor content in, message-file elements out. Each appends to an element
// that the caller has emptied and given its name text node, and reports failure as a value.

#include "msgfile/writeoutcome.h"
#include "msgfile/writerdata.h"

#include <pugixml.hpp>

#include <string>
#include <vector>

namespace ztk::msgfile {

// Appends one LINE per board row to the single-page TEMPLATE `templ`: runs of one colour as
// TEXT elements (blanks stored as U+0004), each variable field as a TEXT holding a VARIABLE.
WriteOutcome WriteTemplate(pugi::xml_node templ, const TemplateContent& content);

// Builds the PAGE of the multipage editor's current page and puts it into `templ`: a new
// page is inserted at its number (later pages renumbered), a stored page replaces the one
// that the editor loaded.
WriteOutcome WriteMultiPgTemplate(pugi::xml_node templ, const PageContent& page,
                                  const PagePlacement& placement);

// Appends the TEXT elements of a string: a "<name>" tag becomes a VARIABLE, "<<" a "<".
// A "<" without its ">" gives WriteOutcome::Kind::MissingCloseTag and writes nothing more.
WriteOutcome WriteString(pugi::xml_node item, const std::vector<ColoredRun>& text,
                         const DisplayBoxes& boxes);

// Appends the TEXT elements of an alarm; "<" is an ordinary character.
WriteOutcome WriteAlarm(pugi::xml_node item, const std::vector<ColoredRun>& text,
                        const DisplayBoxes& boxes);

// Appends one TEXT for `run` to `parent` and empties `run`; nothing when `run` is empty.
// While `first` is set the display attributes are written too and `first` is cleared.
WriteOutcome WriteTag(pugi::xml_node parent, std::string& run, const DisplayBoxes& boxes, Rgb color,
                      bool& first, bool isVariable);

// Removes page `pageNumber` of the multipage TEMPLATE `templ`, renumbers the later pages
// one lower and stores `pageCount` - 1 as the page count (removing it at 0). Returns
// whether a page carried that number (the count is stored either way).
bool removePage(pugi::xml_node templ, int pageNumber, int pageCount);

}  // namespace ztk::msgfile
