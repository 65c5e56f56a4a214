// SPDX-License-Identifier: MIT
#include "handoverserverthread.h"

#include <QEventLoop>
#include <QTimer>

#include <future>

namespace ztk::platform::testing {
namespace {

constexpr int kStopCheckMs = 10;

}  // namespace

HandoverServerThread::HandoverServerThread(Setup setup) {
    std::promise<void> ready;
    std::future<void> started = ready.get_future();
    thread_ = std::thread([this, &setup, &ready] { run(setup, ready); });
    started.wait();
}

HandoverServerThread::~HandoverServerThread() {
    stop_ = true;
    thread_.join();
}

void HandoverServerThread::run(const Setup& setup, std::promise<void>& ready) {
    // Constructing an event loop gives this thread its event dispatcher, which the server's
    // socket notifiers need.
    QEventLoop loop;
    auto server = std::make_unique<HandoverServer>();
    setup(server);
    ready.set_value();
    // Waking this thread's dispatcher from the stopping thread would touch a Qt object
    // across threads; a short tick that brings the loop round to the flag does without.
    QTimer tick;
    tick.start(kStopCheckMs);
    while (!stop_)
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    server.reset();
}

}  // namespace ztk::platform::testing
