// SPDX-License-Identifier: MIT
#pragma once
// Loading a message file into a pugixml document, with a parse error that names the code,
// line, position and reason, and with guards against hostile input.

#include <pugixml.hpp>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "msgfile/itemindex.h"

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

// What stat() tells of a file: which file it is (device, inode) and what was last done to it
// (size, modification and status-change times in nanoseconds). A file replaced by a rename
// is another inode; a write, a chmod or a touch moves a time.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `path` (symbolic links followed); nothing when stat() fails.
std::optional<FileStamp> stampOf(const std::string& path);

// A loaded message file with the index of its items, meant to be shared and not changed.
struct IndexedMessageFile {
    pugi::xml_document document;
    ItemIndex items;
    // The file as it was read.
    FileStamp stamp;
    // The file's bytes and an estimate of the tree and index built from them.
    std::size_t memoryBytes = 0;
    // Nothing changed the file during the read, and its last change was at least the settle
    // window older than the moment the read began.
    bool settled = false;
};

// Loads `path` into the fresh `file` with the rules and errors of loadMessageFile and indexes
// its items on the way.
std::optional<LoadError> loadIndexedMessageFile(IndexedMessageFile& file, const std::string& path,
                                                std::int64_t settleWindowNs);

}  // namespace ztk::msgfile
