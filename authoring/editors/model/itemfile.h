// SPDX-License-Identifier: MIT
#pragma once
// Opening the selected item for an editor: the message file loaded afresh and the item
// found by its name, with the loaders' messages when either fails.

#include <string>

#include <pugixml.hpp>

#include "legendo/editorhost.h"

namespace ztk::legendo {

struct ItemKindTexts {
    // TEMPLATE, STRING or ALARM.
    const char* element;
    // The word in the parse failure: "template", "String" or "Alarm".
    std::string parseWord;
    // The message for an element of that kind without any child node.
    const char* corruptText;
    // The start of the not-found message: "Template", "String" or "Alarm".
    std::string notFoundWord;
};

ItemKindTexts templateTexts(const char* corruptText);
ItemKindTexts stringTexts(bool alarm);

// Loads Selection::currentFile into `doc` and finds the item Selection::currentItem; shows
// the message and returns an empty node when it cannot.
pugi::xml_node openSelectedItem(EditorHost& host, pugi::xml_document& doc,
                                const ItemKindTexts& kind);

}  // namespace ztk::legendo
