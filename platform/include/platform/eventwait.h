// SPDX-License-Identifier: MIT
#pragma once
// Waits that keep the thread's Qt event loop running (socket notifications, timers and
// host events are delivered meanwhile) and block in the loop instead of spinning. They
// keep waiting while the application is quitting; on a thread without an event
// dispatcher they sleep instead.

#include <functional>

namespace ztk::platform {

// Processes the events that are pending now, without waiting for more.
void processPendingEvents();

// Runs the event loop for `milliseconds`.
void waitProcessingEvents(int milliseconds);

// Runs the event loop until `done()` is true, checking it after every event batch and
// at least every `pollMilliseconds`. With `timeoutMilliseconds` >= 0 it gives up after
// that long. Returns done().
bool waitUntil(const std::function<bool()>& done, int pollMilliseconds,
               int timeoutMilliseconds = -1);

}  // namespace ztk::platform
