// SPDX-License-Identifier: MIT
#pragma once
// HandoverServerThread runs a HandoverServer on a thread of its own, the way the simulator
// runs its receiver apart from the control. Tests use it for receivers with behaviour of
// their own; HandoverRecorder is built on it.
//
//   HandoverServerThread receiver([](std::unique_ptr<HandoverServer>& server) {
//       server->listen("simwin");
//       server->setCopyDataHandler(...);
//   });
//
// No Qt object is touched across threads (start and stop use standard-library
// synchronisation), so ThreadSanitizer can follow it even though Qt itself is not
// instrumented.

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "platform/handover.h"

namespace ztk::platform::testing {

class HandoverServerThread {
  public:
    // Runs on the new thread with a fresh server before any record is served. The setup
    // may keep the reference and reset the server later from the server's own callbacks.
    using Setup = std::function<void(std::unique_ptr<HandoverServer>& server)>;

    // Returns once `setup` has run.
    explicit HandoverServerThread(Setup setup);
    // Destroys the server on its thread (a record being served is finished first) and
    // ends the thread, within a tick of the thread's stop check.
    ~HandoverServerThread();

    HandoverServerThread(const HandoverServerThread&) = delete;
    HandoverServerThread& operator=(const HandoverServerThread&) = delete;

  private:
    void run(const Setup& setup, std::promise<void>& ready);

    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace ztk::platform::testing
