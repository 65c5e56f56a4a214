// SPDX-License-Identifier: MIT
#pragma once
// The changes the authoring program makes to a message file's items. Each loads the file
// afresh, changes the document and saves it whole through msgfile::saveDocument; it
// returns nothing on success, else the message to show, and then the file on disk is as
// it was.

#include "legendo/messages.h"

#include "msgfile/writerdata.h"

#include <optional>
#include <string>
#include <vector>

namespace ztk::legendo {

enum class ItemKind { Template, MultipageTemplate, String, Alarm };

using Outcome = std::optional<Notice>;

// The element (TEMPLATE, STRING, ALARM) that holds items of `kind`.
const char* elementOf(ItemKind kind);

// Adds an item named `name` (checked against the items of its element) to `file`.
Outcome createItem(const std::string& file, ItemKind kind, const std::string& name);

// Removes the first item of `kind`'s element named `name` (a template of either kind for
// Template).
Outcome removeItem(const std::string& file, ItemKind kind, const std::string& name);

// Rewrites the template `name` from the template editor's content.
Outcome saveTemplateItem(const std::string& file, const std::string& name,
                         const msgfile::TemplateContent& content);

// Writes the multipage editor's page into the template `name`, storing `pageCount` as its
// page count.
Outcome saveMultipageItem(const std::string& file, const std::string& name,
                          const msgfile::PageContent& page,
                          const msgfile::PagePlacement& placement);

// Rewrites the string or alarm `name` (kind String or Alarm) from the editor's text.
Outcome saveTextItem(const std::string& file, ItemKind kind, const std::string& name,
                     const std::vector<msgfile::ColoredRun>& text,
                     const msgfile::DisplayBoxes& boxes);

// Writes a new message file holding only the root element, replacing any file at `path`.
Outcome createFile(const std::string& path);

}  // namespace ztk::legendo
