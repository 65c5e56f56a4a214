// SPDX-License-Identifier: MIT
#include "legendo/nodekey.h"

namespace ztk::legendo {

KeyParts splitKey(const std::string& key) {
    KeyParts parts;
    if (key == kRootKey) return parts;
    const std::size_t first = key.find(kKeySeparator);
    if (first == std::string::npos) {
        parts.kind = NodeKind::File;
        parts.file = key;
        return parts;
    }
    parts.file = key.substr(0, first);
    const std::string rest = key.substr(first + kKeySeparator.size());
    const std::size_t second = rest.find(kKeySeparator);
    if (second == std::string::npos) {
        parts.kind = NodeKind::Folder;
        parts.folder = rest;
        return parts;
    }
    parts.kind = NodeKind::Item;
    parts.folder = rest.substr(0, second);
    parts.item = rest.substr(second + kKeySeparator.size());
    return parts;
}

std::string folderKey(const std::string& path, std::string_view folder) {
    return path + std::string(kKeySeparator) + std::string(folder);
}

std::string itemKey(const std::string& folderKey, const std::string& name) {
    return folderKey + std::string(kKeySeparator) + name;
}

std::string singular(std::string_view folder) {
    return std::string(folder.empty() ? folder : folder.substr(0, folder.size() - 1));
}

bool pathHoldsSeparator(std::string_view path) {
    return path.find(kKeySeparator) != std::string_view::npos;
}

}  // namespace ztk::legendo
