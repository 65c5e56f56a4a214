// SPDX-License-Identifier: MIT
#pragma once
// The seam between the main window and its three editors: the window shows each editor's
// panel inside its frame and calls these entry points; the editors reach the window only
// through EditorHost.

#include "legendo/editorhost.h"

#include <memory>

class QWidget;

namespace ztk::legendo {

class ItemEditor {
  public:
    virtual ~ItemEditor() = default;
    // The editor's controls, placed by the main window inside its frame.
    virtual QWidget* panel() = 0;
    // Empties and initialises the editor (before an item is loaded).
    virtual void reset() = 0;
    // Shows the selected item (Selection::currentFile, currentItem); shows its own messages
    // and returns whether the item was shown. The multipage editor opens page 1, sets up its
    // page label and buttons, and writes page 1 at once for a template without pages.
    virtual bool load() = 0;
    // What the editor's Save button does (cmdTemplateSave, cmdMultiPgSave, cmdSaveString).
    virtual void save() = 0;
    // SetChanged enables the Save button exactly while there are unsaved changes.
    virtual void setSaveEnabled(bool enabled) = 0;
};

// The main window's three editors.
struct Editors {
    std::unique_ptr<ItemEditor> templateEditor;   // on fraTemplate
    std::unique_ptr<ItemEditor> multipageEditor;  // on fraMultiPgTemplate
    std::unique_ptr<ItemEditor> stringEditor;     // on fraString (strings and alarms)
};

// Makes the editors over `host`, their panels children of `parent`.
Editors makeEditors(EditorHost& host, QWidget* parent);

}  // namespace ztk::legendo
