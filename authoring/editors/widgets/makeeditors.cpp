// SPDX-License-Identifier: MIT
// The main window's three editors.
#include "itemeditor.h"
#include "widgets/stringeditor.h"
#include "widgets/templateeditor.h"

namespace ztk::legendo {

Editors makeEditors(EditorHost& host, QWidget* parent) {
    Editors editors;
    editors.templateEditor =
        std::make_unique<TemplateEditor>(host, TemplateEditor::Kind::SinglePage, parent);
    editors.multipageEditor =
        std::make_unique<TemplateEditor>(host, TemplateEditor::Kind::Multipage, parent);
    editors.stringEditor = std::make_unique<StringEditor>(host, parent);
    return editors;
}

}  // namespace ztk::legendo
