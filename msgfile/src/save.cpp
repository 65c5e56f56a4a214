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

SaveResult failure(int error, const std::string& path, const char* what) {
    return {false, error, std::string(what) + " '" + path + "': " + std::strerror(error)};
}

// Writes all of `data` to `fd`, then flushes it to the disk and closes `fd`.
int writeAndClose(int fd, const std::string& data) {
    std::size_t done = 0;
    int error = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

SaveResult writeInPlace(const std::string& path, const std::string& data) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return failure(errno, path, "Could not open");
    if (const int error = writeAndClose(fd, data); error != 0) {
        return failure(error, path, "Could not write");
    }
    return {};
}

// The file that `path` names, with symbolic links followed, so that a link stays a link.
std::string resolvedPath(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : path;
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
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) {
        if (errno != ENOENT) return failure(errno, path, "Could not open");
        return writeInPlace(path, data);
    }
    if (!S_ISREG(old.st_mode)) return failure(EISDIR, path, "Could not write");
    const std::string target = resolvedPath(path);
    if (::access(target.c_str(), W_OK) != 0) return failure(errno, path, "Could not open");

    // The new content goes to a file beside the old one and replaces it only when it is
    // complete, so a full disk or a crash never leaves a truncated message file.
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp = folder + "/." + base + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    // A folder we may not write in still lets us write a file there that we may write.
    if (fd < 0) return writeInPlace(target, data);
    ::fchmod(fd, old.st_mode & 07777);
    // Only root may give a file away; otherwise the new file stays ours, as a rewrite would.
    [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
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
