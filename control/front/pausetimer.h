// SPDX-License-Identifier: MIT
#pragma once
// The one-shot pause: waits a fixed time while the thread's event loop keeps running
// (host events, socket notifications and timers go on; the CPU stays idle).

#include <QTimer>

namespace ztk {

class PauseTimer {
  public:
    PauseTimer();
    // Starts the one-shot timer and runs the event loop until it has fired once.
    void pause(int milliseconds);
    // True once the last pause's timer has fired.
    bool waitElapsed() const { return waitElapsed_; }

  private:
    QTimer timer_;
    bool waitElapsed_ = false;
};

// Test hook: while alive, every pause on this thread lasts `milliseconds` instead.
class ScopedPauseOverride {
  public:
    explicit ScopedPauseOverride(int milliseconds);
    ~ScopedPauseOverride();
    ScopedPauseOverride(const ScopedPauseOverride&) = delete;
    ScopedPauseOverride& operator=(const ScopedPauseOverride&) = delete;

  private:
    int previous_;
};

}  // namespace ztk
