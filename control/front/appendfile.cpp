// SPDX-License-Identifier: MIT
#include "front/appendfile.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ztk {
namespace {

bool isAcceptedKind(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return false;
    return S_ISREG(info.st_mode) || S_ISCHR(info.st_mode);
}

// The names of the program's own output streams. A log pointed at standard error writes
// where the program already writes, whatever that is (a terminal, a pipe to a pager or tee,
// the journal's socket), so the stream itself is taken instead of opening the name again.
int ownStream(const QString& path) {
    if (path == "/dev/stderr" || path == "/dev/fd/2" || path == "/proc/self/fd/2") return 2;
    if (path == "/dev/stdout" || path == "/dev/fd/1" || path == "/proc/self/fd/1") return 1;
    return -1;
}

}  // namespace

AppendFile::AppendFile(const QString& path) {
    if (path.isEmpty()) return;
    if (const int stream = ownStream(path); stream >= 0) {
        fd_ = ::fcntl(stream, F_DUPFD_CLOEXEC, 3);
        return;
    }
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK makes the open of a pipe without a reader fail at once instead of waiting
    // for one; it is cleared again for the writes.
    const int fd =
        ::open(native.constData(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return;
    const int flags = ::fcntl(fd, F_GETFL);
    if (!isAcceptedKind(fd) || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

AppendFile::~AppendFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool AppendFile::write(const QByteArray& bytes) {
    if (fd_ < 0) return false;
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        left -= written;
    }
    return true;
}

}  // namespace ztk
