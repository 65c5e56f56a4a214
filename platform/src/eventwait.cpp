// SPDX-License-Identifier: MIT
#include "platform/eventwait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <thread>

namespace ztk::platform {
namespace {

// processEvents() with WaitForMoreEvents rather than QEventLoop::exec(): exec() returns at
// once while the application is quitting, which would turn every wait into a busy loop
// exactly when a host tears its controls down.
constexpr QEventLoop::ProcessEventsFlags kBlockingFlags =
    QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents;

bool hasEventDispatcher() {
    return QAbstractEventDispatcher::instance() != nullptr;
}

void sleepMs(qint64 milliseconds) {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace

void processPendingEvents() {
    if (hasEventDispatcher()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void waitProcessingEvents(int milliseconds) {
    if (milliseconds <= 0) {
        processPendingEvents();
        return;
    }
    const QDeadlineTimer deadline(milliseconds, Qt::PreciseTimer);
    if (!hasEventDispatcher()) {
        sleepMs(deadline.remainingTime());
        return;
    }
    // The timer only wakes the blocked dispatcher when the time is up.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(milliseconds);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(kBlockingFlags);
        // A timer may fire a little early by the deadline's clock: rearm for what is left.
        if (!wake.isActive() && !deadline.hasExpired()) {
            wake.start(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
        }
    }
}

bool waitUntil(const std::function<bool()>& done, int pollMilliseconds, int timeoutMilliseconds) {
    if (done()) return true;
    const QDeadlineTimer deadline = timeoutMilliseconds >= 0
                                        ? QDeadlineTimer(timeoutMilliseconds, Qt::PreciseTimer)
                                        : QDeadlineTimer(QDeadlineTimer::Forever);
    const int poll = std::max(pollMilliseconds, 1);
    if (!hasEventDispatcher()) {
        while (!deadline.hasExpired()) {
            const qint64 left = deadline.remainingTime();  // -1 when there is no timeout
            sleepMs(left < 0 ? poll : std::min<qint64>(poll, left));
            if (done()) return true;
        }
        return done();
    }
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.start(poll);
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    if (!deadline.isForever()) end.start(std::max(timeoutMilliseconds, 0));
    for (;;) {
        QCoreApplication::processEvents(kBlockingFlags);
        if (done()) return true;
        if (deadline.hasExpired()) return done();
        if (!deadline.isForever() && !end.isActive()) {
            end.start(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
        }
    }
}

}  // namespace ztk::platform
