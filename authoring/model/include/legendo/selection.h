// SPDX-License-Identifier: MIT
#pragma once
// The main window's selection and page state: which file, folder and item the explorer has
// selected, whether the open editor holds unsaved work, and where the multipage editor is.

#include <cstdint>
#include <string>

namespace ztk::legendo {

struct Selection {
    // Key of the selected explorer node ("ROOT", a path, path::Folder, path::Folder::Item).
    std::string selectedKey;
    // Path of the message file the selection belongs to; empty for the root.
    std::string currentFile;
    // "Templates", "Strings" or "Alarms" for a folder or an item; empty otherwise.
    std::string currentFolder;
    // Name of the selected item (it may itself hold "::"); empty otherwise.
    std::string currentItem;
    // The open editor holds unsaved changes.
    bool changed = false;
    // The template editor in use is the multipage one.
    bool multipageMode = false;
    // Pages of the open multipage template as the editor knows them, and the page shown.
    std::int16_t pageCount = 0;
    std::int16_t currentPage = 0;
    // The multipage template has stored pages, or the current page was saved.
    bool pageStored = false;
    // Page 1 of a template without pages was written on opening and not yet saved by the user.
    bool newPagePending = false;
};

}  // namespace ztk::legendo
