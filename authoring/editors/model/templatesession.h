// SPDX-License-Identifier: MIT
#pragma once
// The single-page template editor's load and save: the selected TEMPLATE onto the board,
// and the board through the host's template save.

#include "legendo/editorhost.h"
#include "model/templatemodel.h"

namespace ztk::legendo {

// Fills `model` (already reset) from the template Selection::currentItem of
// Selection::currentFile. Shows its own messages; true when the template is shown.
bool loadTemplate(TemplateEditorModel& model, EditorHost& host);

// Saves the model's content as the selected template; clears Changed when it was saved.
bool saveTemplate(const TemplateEditorModel& model, EditorHost& host);

}  // namespace ztk::legendo
