// SPDX-License-Identifier: MIT
#pragma once
// Keys of the explorer's nodes. A file node's key is the file's path; its folders append
// "::Templates", "::Strings" or "::Alarms"; an item appends "::" and its name, which may
// itself hold "::". A path holding "::" would make keys ambiguous, so none is opened.

#include <string>
#include <string_view>

namespace ztk::legendo {

inline constexpr const char* kRootKey = "ROOT";
inline constexpr const char* kRootText = "Message Files";
inline constexpr std::string_view kKeySeparator = "::";

inline constexpr const char* kTemplatesFolder = "Templates";
inline constexpr const char* kStringsFolder = "Strings";
inline constexpr const char* kAlarmsFolder = "Alarms";

enum class NodeKind { Root, File, Folder, Item };

// A key taken apart: the file, the folder and the item it names (empty where it names none).
struct KeyParts {
    NodeKind kind = NodeKind::Root;
    std::string file;
    std::string folder;
    std::string item;
};

// Splits `key`: the first "::" ends the path, the second the folder; the rest is the item.
KeyParts splitKey(const std::string& key);

std::string folderKey(const std::string& path, std::string_view folder);
std::string itemKey(const std::string& folderKey, const std::string& name);

// A folder's name without its last letter: "Template", "String", "Alarm".
std::string singular(std::string_view folder);

// True when `path` cannot be a file key: it holds the key separator.
bool pathHoldsSeparator(std::string_view path);

}  // namespace ztk::legendo
