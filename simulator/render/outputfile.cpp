// SPDX-License-Identifier: MIT
#include "outputfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace ztk::render {
namespace {

// Writes all of `bytes` to `fd`; false with errno set when it cannot.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string lastError() {
    return std::strerror(errno);
}

// A device or a pipe: written as it is, without blocking at open on a pipe nobody reads.
std::string writeDirectly(const std::string& file, std::string_view bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENXIO ? "no process reads this named pipe" : lastError();
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::string problem;
    if (!writeAll(fd, bytes)) problem = lastError();
    if (::close(fd) != 0 && problem.empty()) problem = lastError();
    return problem;
}

// A regular file: a temporary file beside it, flushed to disk, then renamed over it.
std::string replaceFile(const std::string& file, std::string_view bytes, mode_t mode) {
    std::vector<char> temporary(file.begin(), file.end());
    const char suffix[] = ".tmp-XXXXXX";
    temporary.insert(temporary.end(), suffix, suffix + sizeof suffix);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return lastError();
    std::string problem;
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0) {
        problem = lastError();
    }
    if (::close(fd) != 0 && problem.empty()) problem = lastError();
    if (problem.empty() && ::rename(temporary.data(), file.c_str()) != 0) problem = lastError();
    if (!problem.empty()) ::unlink(temporary.data());
    return problem;
}

}  // namespace

std::string writeOutput(const std::string& file, std::string_view bytes) {
    if (file == "-") {
        return writeAll(STDOUT_FILENO, bytes) ? std::string() : lastError();
    }
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return std::strerror(EISDIR);
        if (!S_ISREG(info.st_mode)) return writeDirectly(file, bytes);
        // The file a link points to is replaced, not the link; a read-only file stays.
        char* target = ::realpath(file.c_str(), nullptr);
        if (target == nullptr) return lastError();
        const std::string path(target);
        std::free(target);
        if (::access(path.c_str(), W_OK) != 0) return lastError();
        return replaceFile(path, bytes, info.st_mode & 07777);
    }
    if (errno != ENOENT) return lastError();
    // A new file gets the permissions any new file would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return replaceFile(file, bytes, 0666 & ~mask);
}

}  // namespace ztk::render
