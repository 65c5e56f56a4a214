// SPDX-License-Identifier: MIT
#pragma once
// Reading one display item from a message file. The file comes through the object's cache of
// parsed files, which checks the file on disk for every display, so edits show at once; the
// first item of the wanted kind and name is taken.

#include <QString>

#include <pugixml.hpp>

#include <memory>

#include "msgfile/filecache.h"

namespace ztk::protocol {

enum class ItemKind { Template, String, Alarm };

// An item and the loaded file it belongs to, which stays alive as long as this does.
struct MessageItem {
    std::shared_ptr<const msgfile::IndexedMessageFile> file;
    pugi::xml_node node;
};

// The first TEMPLATE, STRING or ALARM in document order, at any depth, whose first child
// node is the text `itemName` (letter case counts) in the message file at `path`.
//
// Throws RenderFailure with the kind's text when the file is missing, unreadable, too large
// or not well-formed ("Error <code> while processing template '<name>'Line <line>: <reason>",
// and the string and alarm forms), and "Couldn't find ..." when no item has that name.
MessageItem openMessageItem(msgfile::MessageFileCache& files, ItemKind kind, const QString& path,
                            const QString& itemName);

}  // namespace ztk::protocol
