// SPDX-License-Identifier: MIT
#pragma once
// WorkerThread: a thread that runs step() at a fixed period in real time until stopped, and
// that another thread can pause at a step boundary (pause waits until the worker has
// acknowledged; resume lets it go on). Without a running thread the steps can be driven
// directly and pause() takes effect at once.
//
// A derived class must call stop() in its own destructor, before its members go away.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace ztk::sim {

class WorkerThread {
  public:
    // The period the display steps at: 100 steps a second.
    static constexpr std::chrono::milliseconds kDefaultPeriod{10};

    WorkerThread() = default;
    virtual ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts the thread (false when it is already running): onStart(), then step() every
    // `period` until stop(), then onEnd().
    bool start(std::chrono::milliseconds period = kDefaultPeriod);
    // Asks the thread to end and waits until it has. Safe when not running; from the worker
    // itself it only asks.
    void stop();
    bool running() const;

    // Asks the worker to stop at its next step boundary, where it calls onPause(); waits up
    // to `timeout` for that. Without a running thread onPause() is called here and now.
    // False when the worker did not acknowledge in time (the request stays until resume).
    bool pause(std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // Lets a paused worker go on.
    void resume();

    // One step of work; called on the thread, or directly when no thread runs.
    virtual void step() = 0;
    // Asked after each step: how many of the next steps may run late without anyone seeing
    // the difference. The thread sleeps through them and runs them right before the first
    // step that is not quiet, at that step's time (at most kMaxQuietSteps at once).
    virtual int quietSteps() { return 0; }

    // The most steps run late in one go: a still display wakes the thread 4 times a second.
    static constexpr int kMaxQuietSteps = 24;

  protected:
    virtual void onStart() {}
    virtual void onEnd() {}
    // Puts the work into a clean state before the worker waits for resume.
    virtual void onPause() {}

  private:
    void run(std::chrono::milliseconds period);
    // Waits (lock held) until resume or stop; true when stopping.
    bool waitWhilePaused(std::unique_lock<std::mutex>& lock);

    mutable std::mutex mutex_;
    std::condition_variable wake_;      // the worker waits on it: stop, pause request, resume
    std::condition_variable answered_;  // pause() waits on it for the acknowledgement
    std::thread thread_;
    bool running_ = false;
    bool stopRequested_ = false;
    bool pauseRequested_ = false;
    bool paused_ = false;
};

}  // namespace ztk::sim
