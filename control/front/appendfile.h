// SPDX-License-Identifier: MIT
#pragma once
// Appending to a file named by the user (the error log, the packet dump) without ever
// blocking the host: a named pipe with no reader would otherwise hold the open for ever.

#include <QByteArray>
#include <QString>

namespace ztk {

// A file opened for appending, created when missing. Only a regular file or a character
// device (/dev/null, a terminal) is taken; a named pipe, a socket, a block device or a folder
// is refused, and so is a path that cannot be opened. /dev/stderr and /dev/stdout (also as
// /dev/fd/N or /proc/self/fd/N) are the program's own streams and are taken as they are.
class AppendFile {
  public:
    explicit AppendFile(const QString& path);
    ~AppendFile();
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Writes all of `bytes`; false when the file is not open or a write failed.
    bool write(const QByteArray& bytes);

  private:
    int fd_ = -1;
};

}  // namespace ztk
