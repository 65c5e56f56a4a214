// SPDX-License-Identifier: MIT
#include "simcore/workerthread.h"

#include <algorithm>

#include "simcore/steppacer.h"

namespace ztk::sim {

WorkerThread::~WorkerThread() {
    stop();
}

bool WorkerThread::start(std::chrono::milliseconds period) {
    std::lock_guard lock(mutex_);
    if (thread_.joinable()) return false;
    stopRequested_ = false;
    pauseRequested_ = false;
    paused_ = false;
    running_ = true;
    thread_ = std::thread([this, period] { run(period); });
    return true;
}

void WorkerThread::stop() {
    std::thread worker;
    {
        std::lock_guard lock(mutex_);
        if (!thread_.joinable()) return;
        stopRequested_ = true;
        wake_.notify_all();
        if (thread_.get_id() == std::this_thread::get_id()) return;  // it ends after this step
        worker = std::move(thread_);
    }
    worker.join();
}

bool WorkerThread::running() const {
    std::lock_guard lock(mutex_);
    return running_;
}

bool WorkerThread::pause(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    if (!running_) {
        lock.unlock();
        onPause();
        return true;
    }
    pauseRequested_ = true;
    wake_.notify_all();
    answered_.wait_for(lock, timeout, [this] { return paused_ || !running_; });
    return paused_;
}

void WorkerThread::resume() {
    std::lock_guard lock(mutex_);
    pauseRequested_ = false;
    wake_.notify_all();
}

bool WorkerThread::waitWhilePaused(std::unique_lock<std::mutex>& lock) {
    wake_.wait(lock, [this] { return !pauseRequested_ || stopRequested_; });
    return stopRequested_;
}

void WorkerThread::run(std::chrono::milliseconds period) {
    using Clock = StepPacer::Clock;
    onStart();
    StepPacer pacer(period);
    pacer.reset(Clock::now());
    int due = 1;  // steps to run when the wait ends: the quiet ones and the one after them
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait_until(lock, pacer.deadline() + pacer.period() * (due - 1),
                         [this] { return stopRequested_ || pauseRequested_; });
        if (stopRequested_) break;
        if (pauseRequested_) {
            lock.unlock();
            onPause();
            lock.lock();
            paused_ = true;
            answered_.notify_all();
            const bool stopping = waitWhilePaused(lock);
            paused_ = false;
            if (stopping) break;
            pacer.reset(Clock::now());
            due = 1;
            continue;
        }
        lock.unlock();
        for (int i = 0; i < due; ++i)
            step();
        const int ran = due;
        due = 1 + std::clamp(quietSteps(), 0, kMaxQuietSteps);
        lock.lock();
        const Clock::time_point now = Clock::now();
        for (int i = 0; i < ran; ++i)
            pacer.stepped(now);
    }
    lock.unlock();
    onEnd();
    lock.lock();
    running_ = false;
    answered_.notify_all();
}

}  // namespace ztk::sim
