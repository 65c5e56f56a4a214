// SPDX-License-Identifier: MIT
#include "msgfile/save.h"

#include "msgfile/names.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace ztk::msgfile {
namespace {

class StringWriter : public pugi::xml_writer {
  public:
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

SaveResult failure(int error, const std::string& path, const std::string& what) {
    return {false, error, what + " '" + path + "': " + std::strerror(error)};
}

// Writes all of `data` to `fd` from `offset` on; 0 or the error number.
int writeAllAt(int fd, const std::string& data, off_t offset) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::pwrite(fd, data.data() + done, data.size() - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Writes all of `data` to `fd`, flushes it to the disk and closes `fd`; 0 or the error.
int writeAndClose(int fd, const std::string& data) {
    int error = writeAllAt(fd, data, 0);
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

// Reads the whole of `fd`; 0 or the error number.
int readAll(int fd, std::string& out) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

// The file that `path` names, with symbolic links followed, so that a link stays a link.
std::string resolvedPath(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : path;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t newFileMode() {
    // umask can only be read by setting it; put it back at once.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes `data` into a new file beside `target` and renames it over `target`, so the old
// content (if any) stays whole until the new one is completely on disk. `*created` tells
// whether the temporary file could be made at all.
SaveResult replaceByRename(const std::string& path, const std::string& target,
                           const std::string& data, const struct stat* old, bool* created) {
    std::string temp = folderOf(target) + "/." + baseOf(target) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    *created = fd >= 0;
    if (fd < 0) return failure(errno, path, "Could not write a new copy of");
    if (old) {
        ::fchmod(fd, old->st_mode & 07777);
        // Only root may give a file away; otherwise the new file stays ours, as a rewrite
        // would.
        [[maybe_unused]] const int owned = ::fchown(fd, old->st_uid, old->st_gid);
    } else {
        ::fchmod(fd, newFileMode());
    }
    if (const int error = writeAndClose(fd, data); error != 0) {
        ::unlink(temp.c_str());
        return failure(error, path, "Could not write");
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return failure(error, path, "Could not replace");
    }
    return {};
}

// A writable file in a folder we may not write in can only be rewritten in place. The new
// content is complete in memory and the blocks it needs are reserved before the first byte
// is overwritten, so the write cannot run out of space half way; a file system that cannot
// reserve space refuses the save. Should the write still fail, the old content is put back.
SaveResult rewriteInPlace(const std::string& path, const std::string& target,
                          const std::string& data) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return failure(errno, path, "Could not open");
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return failure(EINVAL, path, "Could not write");
    }
    std::string oldContent;
    if (const int error = readAll(fd, oldContent); error != 0) {
        ::close(fd);
        return failure(error, path, "Could not read");
    }
    if (!data.empty() && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(data.size()))) {
        const int error = errno;
        ::close(fd);
        return failure(error, path,
                       "The folder cannot be written and space for the new content could not "
                       "be reserved in");
    }
    int error = writeAllAt(fd, data, 0);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(data.size())) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (error != 0) {
        // Best effort: the old content fits where it stood before.
        writeAllAt(fd, oldContent, 0);
        [[maybe_unused]] const int cut = ::ftruncate(fd, static_cast<off_t>(oldContent.size()));
        ::fsync(fd);
        ::close(fd);
        return failure(error, path, "Could not write");
    }
    if (::close(fd) != 0) return failure(errno, path, "Could not write");
    return {};
}

}  // namespace

bool SaveResult::permissionDenied() const {
    return errorNumber == EACCES || errorNumber == EPERM || errorNumber == EROFS;
}

std::string serializeDocument(const pugi::xml_document& doc) {
    StringWriter writer;
    doc.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return std::move(writer.text);
}

SaveResult saveDocument(const pugi::xml_document& doc, const std::string& path) {
    const std::string data = serializeDocument(doc);
    bool created = false;
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) {
        if (errno != ENOENT) return failure(errno, path, "Could not open");
        // A new file appears whole or not at all.
        return replaceByRename(path, path, data, nullptr, &created);
    }
    if (S_ISDIR(old.st_mode)) return failure(EISDIR, path, "Could not write");
    if (!S_ISREG(old.st_mode)) {
        return {false, EINVAL, "Could not write '" + path + "': not a regular file"};
    }
    const std::string target = resolvedPath(path);
    if (::access(target.c_str(), W_OK) != 0) return failure(errno, path, "Could not open");

    SaveResult result = replaceByRename(path, target, data, &old, &created);
    if (!created && (result.errorNumber == EACCES || result.errorNumber == EPERM)) {
        return rewriteInPlace(path, target, data);
    }
    return result;
}

void resetToNewFile(pugi::xml_document& doc) {
    doc.reset();
    doc.append_child(elem::kMarquee);
}

SaveResult createMessageFile(const std::string& path) {
    pugi::xml_document doc;
    resetToNewFile(doc);
    return saveDocument(doc, path);
}

}  // namespace ztk::msgfile
