// SPDX-License-Identifier: MIT
#pragma once
// What an item editor needs from the main window: the selection it edits, the prompter for
// its messages, the window's SetChanged, and the file operations' save routines, which load
// the file, fill the item from the editor's content through the writers and save it whole.

#include "legendo/prompter.h"
#include "legendo/selection.h"

#include "msgfile/writerdata.h"

#include <vector>

namespace ztk::legendo {

class EditorHost {
  public:
    virtual ~EditorHost() = default;

    virtual Selection& selection() = 0;
    virtual Prompter& prompter() = 0;
    // Stores the flag in Selection::changed and enables or disables every editor's Save.
    virtual void setChanged(bool changed) = 0;

    // Each save shows its own failure message and returns whether the file now holds the
    // content; a False result leaves the file byte for byte as it was.
    virtual bool saveTemplate(const msgfile::TemplateContent& content) = 0;
    // Writes the page at Selection::currentPage, with numberofpages = Selection::pageCount;
    // turns a pending first page into a stored one before placing the page.
    virtual bool saveMultipageTemplate(const msgfile::PageContent& page) = 0;
    virtual bool saveString(const std::vector<msgfile::ColoredRun>& text,
                            const msgfile::DisplayBoxes& boxes) = 0;
    virtual bool saveAlarm(const std::vector<msgfile::ColoredRun>& text,
                           const msgfile::DisplayBoxes& boxes) = 0;
};

}  // namespace ztk::legendo
