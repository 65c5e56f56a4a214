#pragma once
// Loading a message file into a pugixml document, with a parse error that names the code,
// line, position and reason, and with guards against hostile input.

#include <pugixml.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ztk::msgfile {

// Files above this size are refused before anything is read.
inline constexpr std::size_t kMaxFileBytes = 16u * 1024u * 1024u;
// Documents whose elements nest deeper than this are refused, so that recursive readers
// cannot exhaust the stack.
inline constexpr int kMaxDepth = 256;

// Codes of the failures that pugixml itself has no status for (pugixml's own statuses,
// 1 to 16, are used as they are: 1 file not found, 2 read error, 3 out of memory, ...).
inline constexpr int kCodeFileTooLarge = 100;
inline constexpr int kCodeNestedTooDeep = 101;

// Why a message file could not be loaded. `line` and `position` count from 1 and are 0
// when the failure has no place in the text (file missing, unreadable, too large).
struct LoadError {
    int code = 0;
    int line = 0;
    int position = 0;
    std::string reason;
};

// Loads the file at `path` into `doc`; nothing on success. On failure `doc` is left empty.
std::optional<LoadError> loadMessageFile(pugi::xml_document& doc, const std::string& path);

// Parses `bytes` as a message file into `doc`, with the same rules as loadMessageFile.
std::optional<LoadError> loadMessageBuffer(pugi::xml_document& doc, std::string_view bytes);

}  // namespace ztk::msgfile
