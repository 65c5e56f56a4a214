// SPDX-License-Identifier: MIT
#include "instancelock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ztk::platform {

std::unique_ptr<InstanceLock> InstanceLock::tryAcquire(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    // The owner removes the file when it lets go; a locker that opened the old file just
    // before that would hold a lock nobody else sees, so it checks that its file is still
    // the one at the path and starts over when not.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) return nullptr;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return nullptr;
        }
        struct stat held {};
        struct stat current {};
        if (::fstat(fd, &held) == 0 && ::lstat(native.constData(), &current) == 0 &&
            held.st_dev == current.st_dev && held.st_ino == current.st_ino) {
            return std::unique_ptr<InstanceLock>(new InstanceLock(fd, native));
        }
        ::close(fd);
    }
    return nullptr;
}

InstanceLock::InstanceLock(int fd, QByteArray path) : fd_(fd), path_(std::move(path)) {}

InstanceLock::~InstanceLock() {
    ::unlink(path_.constData());
    ::close(fd_);
}

}  // namespace ztk::platform
