// SPDX-License-Identifier: MIT
#include "front/pausetimer.h"

#include "platform/eventwait.h"

namespace ztk {
namespace {

int& pauseOverride() {
    thread_local int milliseconds = -1;
    return milliseconds;
}

}  // namespace

PauseTimer::PauseTimer() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire up to 5 % early
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        waitElapsed_ = true;
        timer_.stop();
    });
}

void PauseTimer::pause(int milliseconds) {
    waitElapsed_ = false;
    timer_.setInterval(pauseOverride() >= 0 ? pauseOverride() : milliseconds);
    timer_.start();
    // The poll interval only bounds how late a missed wake-up is noticed; the timer's own
    // event ends the wait.
    platform::waitUntil([this] { return waitElapsed_; }, 1000);
}

ScopedPauseOverride::ScopedPauseOverride(int milliseconds) : previous_(pauseOverride()) {
    pauseOverride() = milliseconds;
}

ScopedPauseOverride::~ScopedPauseOverride() {
    pauseOverride() = previous_;
}

}  // namespace ztk
