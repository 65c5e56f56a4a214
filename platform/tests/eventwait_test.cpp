// SPDX-License-Identifier: MIT
// Waits that keep events flowing, end on time and do not burn the processor.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <atomic>
#include <thread>

#include <sys/resource.h>

#include "platform/eventwait.h"

namespace ztk::platform {
namespace {

double threadCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

TEST(EventWait, WaitsDeliverEventsAndEndOnTime) {
    bool fired = false;
    QTimer::singleShot(50, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    waitProcessingEvents(300);
    EXPECT_TRUE(fired);
    EXPECT_GE(clock.elapsed(), 300);

    // The predicate is looked at after events, long before the next poll...
    bool ready = false;
    QTimer::singleShot(100, [&] { ready = true; });
    clock.restart();
    EXPECT_TRUE(waitUntil([&] { return ready; }, 60000, 20000));
    EXPECT_LT(clock.elapsed(), 10000);
    // ...and at every poll when no event comes.
    std::atomic<bool> flag{false};
    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        flag = true;
    });
    EXPECT_TRUE(waitUntil([&] { return flag.load(); }, 20, 20000));
    setter.join();

    clock.restart();
    EXPECT_FALSE(waitUntil([] { return false; }, 50, 250));
    EXPECT_GE(clock.elapsed(), 250);

    // Blocking, not spinning: a 2-second wait costs next to no processor time.
    const double before = threadCpuSeconds();
    waitProcessingEvents(2000);
    EXPECT_LT(threadCpuSeconds() - before, 0.5);
}

TEST(EventWait, WaitsHoldWhileTheApplicationIsQuitting) {
    // A host that tears its controls down after quit() still gets real waits, not a spin.
    QCoreApplication::exit(0);
    QElapsedTimer clock;
    clock.start();
    const double before = threadCpuSeconds();
    EXPECT_FALSE(waitUntil([] { return false; }, 20, 300));
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(threadCpuSeconds() - before, 0.2);
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });  // back to not quitting
    QCoreApplication::exec();
}

}  // namespace
}  // namespace ztk::platform
