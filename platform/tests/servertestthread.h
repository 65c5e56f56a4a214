#pragma once
// A HandoverServer on its own thread, set up by the test: for receivers whose behaviour
// the recorder does not offer.

#include <QThread>

#include <memory>

#include "platform/handover.h"

namespace ztk::platform::test {

class ServerTestThread {
  public:
    // Runs `setup(server)` on the new thread, where `server` is a fresh HandoverServer.
    template <typename Setup>
    explicit ServerTestThread(Setup setup) {
        anchor_.moveToThread(&thread_);
        thread_.start();
        run([&] {
            server = std::make_unique<HandoverServer>();
            setup(server);
        });
    }
    ~ServerTestThread() {
        run([&] { server.reset(); });
        thread_.quit();
        thread_.wait();
    }

    // Runs `f` on the server's thread and waits for it.
    template <typename F>
    void run(F f) {
        QMetaObject::invokeMethod(&anchor_, f, Qt::BlockingQueuedConnection);
    }

    std::unique_ptr<HandoverServer> server;  // touched only on the server's thread

  private:
    QThread thread_;
    QObject anchor_;
};

}  // namespace ztk::platform::test
