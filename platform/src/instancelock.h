// SPDX-License-Identifier: MIT
#pragma once
// An exclusive lock on a file that lasts as long as the object; the kernel drops it when
// the process dies, so a crashed owner never leaves a lock behind.

#include <QByteArray>
#include <QString>

#include <memory>

namespace ztk::platform {

class InstanceLock {
  public:
    // Takes the lock on `path` (created with mode 0600) without waiting; nullptr when
    // another owner holds it or the file cannot be opened.
    static std::unique_ptr<InstanceLock> tryAcquire(const QString& path);
    // Removes the file and releases the lock.
    ~InstanceLock();

    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

  private:
    InstanceLock(int fd, QByteArray path);
    int fd_;
    QByteArray path_;
};

}  // namespace ztk::platform
