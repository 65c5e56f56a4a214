// SPDX-License-Identifier: MIT
#include "model/itemfile.h"

#include "model/editortexts.h"
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"

namespace ztk::legendo {

ItemKindTexts templateTexts(const char* corruptText) {
    return {msgfile::elem::kTemplate, "template", corruptText, "Template"};
}

ItemKindTexts stringTexts(bool alarm) {
    const char* word = alarm ? "Alarm" : "String";
    return {alarm ? msgfile::elem::kAlarm : msgfile::elem::kString, word, texts::kCorruptString,
            word};
}

pugi::xml_node openSelectedItem(EditorHost& host, pugi::xml_document& doc,
                                const ItemKindTexts& kind) {
    const Selection& selection = host.selection();
    Prompter& prompter = host.prompter();
    if (const auto error = msgfile::loadMessageFile(doc, selection.currentFile)) {
        prompter.message(texts::parseErrorText(kind.parseWord, selection.currentItem, *error), "",
                         Icon::None);
        return {};
    }
    const msgfile::ItemLookup lookup = msgfile::findItem(doc, kind.element, selection.currentItem);
    if (lookup.corrupt) {
        prompter.message(kind.corruptText, "", Icon::None);
        return {};
    }
    if (!lookup.item) {
        prompter.message(
            kind.notFoundWord + " '" + selection.currentItem + "' not found in given file.",
            texts::kNotFoundTitle, Icon::None);
        return {};
    }
    return lookup.item;
}

}  // namespace ztk::legendo
