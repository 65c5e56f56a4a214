// SPDX-License-Identifier: MIT
#include "model/templatesession.h"

#include "model/boardreader.h"
#include "model/editortexts.h"
#include "model/itemfile.h"

namespace ztk::legendo {

bool loadTemplate(TemplateEditorModel& model, EditorHost& host) {
    const TemplateEditorModel::Loading loading(model);
    pugi::xml_document doc;
    const pugi::xml_node item = openSelectedItem(host, doc, templateTexts(texts::kCorruptTemplate));
    if (!item) return false;
    BoardReader reader(model, host.prompter());
    reader.readFont(item);
    if (!reader.readSize(item) || !reader.readLines(item)) return false;
    model.placeCursor({0, 0});
    model.cursorMoved();
    host.setChanged(false);
    return true;
}

bool saveTemplate(const TemplateEditorModel& model, EditorHost& host) {
    if (!host.saveTemplate(model.content())) return false;
    host.setChanged(false);
    return true;
}

}  // namespace ztk::legendo
