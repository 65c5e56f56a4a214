#pragma once
// Reading one display item from a message file: the whole file is loaded for every display
// (so that edits show at once) and the first item of the wanted kind and name is taken.

#include <QString>

#include <pugixml.hpp>

namespace ztk::protocol {

enum class ItemKind { Template, String, Alarm };

// Loads the message file at `path` into `doc`. Throws RenderFailure with the kind's text
// ("Error <code> while processing template '<name>'Line <line>: <reason>", and the string
// and alarm forms) when the file is missing, unreadable, too large, or not well-formed.
void loadMessageItemFile(pugi::xml_document& doc, ItemKind kind, const QString& path,
                         const QString& itemName);

// The first TEMPLATE, STRING or ALARM in document order whose first child node is the text
// `itemName` (letter case counts). Throws RenderFailure "Couldn't find ..." when none is.
pugi::xml_node findMessageItem(const pugi::xml_document& doc, ItemKind kind, const QString& path,
                               const QString& itemName);

}  // namespace ztk::protocol
