// SPDX-License-Identifier: MIT
#pragma once
// Saving message files the one way the whole system does: pugixml output without
// indentation, U+0004 written as a character reference, replacing the old file only once
// the new content is completely on disk.

#include <pugixml.hpp>

#include <string>

namespace ztk::msgfile {

struct SaveResult {
    bool ok = true;
    // The operating system's error number when saving failed (EACCES for permission).
    int errorNumber = 0;
    std::string reason;

    explicit operator bool() const { return ok; }
    bool permissionDenied() const;
};

// The document as it is saved.
std::string serializeDocument(const pugi::xml_document& doc);

// Saves `doc` to `path`. An existing file keeps its content until the new one is written
// in full, and keeps its permission bits.
SaveResult saveDocument(const pugi::xml_document& doc, const std::string& path);

// A new document holding only the empty root element MARQUEE.
void resetToNewFile(pugi::xml_document& doc);

// Writes a new message file (the empty root alone) to `path`, replacing any file there.
SaveResult createMessageFile(const std::string& path);

}  // namespace ztk::msgfile
