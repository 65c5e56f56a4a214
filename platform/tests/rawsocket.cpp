#include "rawsocket.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace ztk::platform::test {
namespace {

int boundSocket(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    if (native.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) return -1;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, native.constData(), native.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

int listenWithoutAccepting(const QString& path) {
    const int fd = boundSocket(path);
    if (fd >= 0 && ::listen(fd, 8) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool leaveStaleSocket(const QString& path) {
    const int fd = boundSocket(path);
    if (fd < 0) return false;
    ::close(fd);
    return QFile::exists(path);
}

QByteArray recordHeader(quint32 message, quint64 kind, quint32 length) {
    QByteArray header(16, '\0');
    qToLittleEndian(message, header.data());
    qToLittleEndian(kind, header.data() + 4);
    qToLittleEndian(length, header.data() + 12);
    return header;
}

}  // namespace ztk::platform::test
