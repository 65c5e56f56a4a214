// SPDX-License-Identifier: MIT
#include "msgfile/filecache.h"

#include <algorithm>
#include <utility>

namespace ztk::msgfile {

MessageFileCache::Result MessageFileCache::load(const std::string& path) {
    const auto kept = std::find_if(entries_.begin(), entries_.end(),
                                   [&](const Entry& entry) { return entry.path == path; });
    if (kept != entries_.end()) {
        const std::optional<FileStamp> now = stampOf(path);
        if (now && *now == kept->file->stamp) {
            std::rotate(entries_.begin(), kept, kept + 1);
            return {entries_.front().file, std::nullopt};
        }
        entries_.erase(kept);
    }
    auto file = std::make_shared<IndexedMessageFile>();
    if (auto error = loadIndexedMessageFile(*file, path, limits_.settleWindowNs)) {
        return {nullptr, std::move(error)};
    }
    if (file->settled) keep(path, file);
    return {std::move(file), std::nullopt};
}

void MessageFileCache::keep(const std::string& path,
                            std::shared_ptr<const IndexedMessageFile> file) {
    if (limits_.maxFiles == 0 || file->memoryBytes > limits_.maxBytes) return;
    entries_.insert(entries_.begin(), Entry{path, std::move(file)});
    while (entries_.size() > limits_.maxFiles || memoryBytes() > limits_.maxBytes)
        entries_.pop_back();
}

std::size_t MessageFileCache::memoryBytes() const {
    std::size_t total = 0;
    for (const Entry& entry : entries_)
        total += entry.file->memoryBytes;
    return total;
}

}  // namespace ztk::msgfile
