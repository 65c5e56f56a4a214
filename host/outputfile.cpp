// SPDX-License-Identifier: MIT
#include "outputfile.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ztk::host {

std::unique_ptr<OutputFile> OutputFile::open(const QString& path, Mode mode, QString& error) {
    if (path == u"-") {
        return std::unique_ptr<OutputFile>(
            new OutputFile(STDOUT_FILENO, QStringLiteral("standard output"), false));
    }
    const int flags =
        O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK | (mode == Mode::Append ? O_APPEND : O_TRUNC);
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (fd < 0) {
        const int e = errno;
        error = QStringLiteral("cannot write %1: %2")
                    .arg(path, e == ENXIO ? QStringLiteral("no process reads this named pipe")
                                          : QString::fromLocal8Bit(std::strerror(e)));
        return nullptr;
    }
    // Open without blocking, write blocking: a slow reader is waited for, not dropped.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return std::unique_ptr<OutputFile>(new OutputFile(fd, path, true));
}

OutputFile::~OutputFile() {
    close();
}

QString OutputFile::failure(int error) {
    failure_ = QStringLiteral("cannot write %1: %2")
                   .arg(name_, QString::fromLocal8Bit(std::strerror(error)));
    return failure_;
}

QString OutputFile::write(const QByteArray& bytes) {
    if (!failure_.isEmpty()) return failure_;
    if (fd_ < 0) return failure(EBADF);
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return failure(errno);
        }
        data += n;
        left -= n;
    }
    return {};
}

QString OutputFile::close() {
    if (fd_ < 0) return {};
    const int fd = fd_;
    fd_ = -1;
    if (owned_ && ::close(fd) != 0 && failure_.isEmpty()) return failure(errno);
    return {};
}

}  // namespace ztk::host
