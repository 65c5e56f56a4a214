// SPDX-License-Identifier: MIT
#include "shutdownsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace ztk::simapp {
namespace {

int pipeEnds[2] = {-1, -1};

extern "C" void onShutdownSignal(int number) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    // A full pipe already holds a request to end; nothing more is needed.
    [[maybe_unused]] const ssize_t ignored = ::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

bool ShutdownSignals::install() {
    if (pipeEnds[0] >= 0) return true;
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    struct sigaction action {};
    action.sa_handler = &onShutdownSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(number, &action, nullptr);
    return true;
}

bool ShutdownSignals::installed() {
    return pipeEnds[0] >= 0;
}

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent) {
    if (pipeEnds[0] < 0) return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ShutdownSignals::readPipe);
}

void ShutdownSignals::readPipe() {
    unsigned char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) == 1)
        emit received(byte);
}

}  // namespace ztk::simapp
