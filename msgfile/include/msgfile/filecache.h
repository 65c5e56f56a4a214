// SPDX-License-Identifier: MIT
#pragma once
// Message files read once per change rather than once per display. A file is parsed and its
// items indexed when it is first shown or has changed; while the file's identity and stamp
// stay the same, later displays reuse both after a single stat().
//
// A kept document is trusted only when its last change is older than the file system's
// timestamp granularity could hide (the settle window): a file changed in the last moments
// is read afresh for every display until it has been quiet that long, so an edit is seen at
// the next display even when it leaves the size and the timestamps as they were.
//
// The cache holds a few files up to a memory cap and never keeps a file open. One cache
// belongs to one thread.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "msgfile/load.h"

namespace ztk::msgfile {

class MessageFileCache {
  public:
    static constexpr std::size_t kDefaultMaxFiles = 4;
    static constexpr std::size_t kDefaultMaxBytes = 64u * 1024u * 1024u;
    // Some file systems keep times to two seconds; the kernel's clock for them ticks too.
    static constexpr std::int64_t kDefaultSettleWindowNs = 3'000'000'000;

    struct Limits {
        std::size_t maxFiles = kDefaultMaxFiles;
        std::size_t maxBytes = kDefaultMaxBytes;
        std::int64_t settleWindowNs = kDefaultSettleWindowNs;
    };

    // The file, or why it could not be loaded (exactly loadMessageFile's error).
    struct Result {
        std::shared_ptr<const IndexedMessageFile> file;
        std::optional<LoadError> error;
    };

    MessageFileCache() = default;
    explicit MessageFileCache(Limits limits) : limits_(limits) {}

    // The file at `path` as it is on disk now: the kept document when the file is unchanged,
    // otherwise a fresh load (kept for next time when it is settled and fits the limits).
    // The result stays valid however the cache changes later.
    Result load(const std::string& path);

    void clear() { entries_.clear(); }
    std::size_t fileCount() const { return entries_.size(); }
    std::size_t memoryBytes() const;

  private:
    struct Entry {
        std::string path;
        std::shared_ptr<const IndexedMessageFile> file;
    };
    void keep(const std::string& path, std::shared_ptr<const IndexedMessageFile> file);

    Limits limits_;
    std::vector<Entry> entries_;  // the most recently used first
};

}  // namespace ztk::msgfile
