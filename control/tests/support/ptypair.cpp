// SPDX-License-Identifier: MIT
#include "support/ptypair.h"

#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <array>

namespace ztk::test {
namespace {

bool waitReadable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0 && (p.revents & POLLIN) != 0;
}

}  // namespace

PtyPair::PtyPair() {
    std::array<char, 256> name{};
    if (::openpty(&master_, &slave_, name.data(), nullptr, nullptr) != 0) {
        master_ = slave_ = -1;
        return;
    }
    slavePath_ = QString::fromLocal8Bit(name.data());
    // Raw slave: bytes pass unchanged (no CR/LF translation, no echo).
    termios t{};
    ::tcgetattr(slave_, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(slave_, TCSANOW, &t);
}

PtyPair::~PtyPair() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
}

QByteArray PtyPair::read(int timeoutMs) {
    QByteArray bytes;
    int wait = timeoutMs;
    while (waitReadable(master_, wait)) {
        std::array<char, 4096> buffer{};
        const ssize_t n = ::read(master_, buffer.data(), buffer.size());
        if (n <= 0) break;
        bytes.append(buffer.data(), n);
        wait = 100;
    }
    return bytes;
}

bool PtyPair::settingsWhenDataArrives(termios& settings, int timeoutMs) {
    if (!waitReadable(master_, timeoutMs)) return false;
    // On Linux the master's terminal settings calls act on the slave side.
    return ::tcgetattr(master_, &settings) == 0;
}

}  // namespace ztk::test
