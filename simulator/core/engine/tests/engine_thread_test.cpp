#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "engine_testsupport.h"
#include "simcore/leddump.h"
#include "simcore/steppacer.h"

namespace ztk::sim {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Deadlines advance by exactly one period however late a step ends, so the rate does not
// drift; after a stall at most three missed steps are caught up.
TEST(EngineThread, StepDeadlinesDoNotDriftAndCatchUpBoundedly) {
    const Clock::time_point t0{};
    StepPacer pacer(10ms);
    pacer.reset(t0);
    EXPECT_EQ(pacer.deadline(), t0 + 10ms);
    pacer.stepped(t0 + 13ms);
    pacer.stepped(t0 + 27ms);
    EXPECT_EQ(pacer.deadline(), t0 + 30ms);

    const Clock::time_point late = t0 + 1s;
    pacer.stepped(late);
    int burst = 0;
    while (pacer.deadline() < late) {
        pacer.stepped(late);
        ++burst;
    }
    EXPECT_EQ(burst, 3);
    EXPECT_EQ(pacer.deadline(), late);
}

// Frames presented within one display interval reach the sink once, as one area covering
// all of them; flush hands over what is left.
TEST(EngineThread, PresentationIsCoalescedToTheDisplayRate) {
    test::RecordingSink sink;
    Clock::time_point now{};
    PresentPacer pacer(sink, 16ms, [&] { return now; });
    const ScreenView view{};
    pacer.present(view, {0, 0, 10, 10});
    now += 5ms;
    pacer.present(view, {20, 0, 10, 10});
    now += 5ms;
    pacer.present(view, {0, 30, 5, 5});
    EXPECT_EQ(sink.count(), 1);
    now += 7ms;
    pacer.present(view, {40, 40, 1, 1});
    ASSERT_EQ(sink.count(), 2);
    EXPECT_EQ(sink.areas()[1], (PixelRect{0, 0, 41, 41}));
    pacer.present(view, {1, 1, 1, 1});
    pacer.flush(view);
    pacer.flush(view);
    EXPECT_EQ(sink.count(), 3);
}

// While the engine runs on its thread, new messages arrive with the pause handshake: the
// engine stops at a step boundary with every LED off and the display presented, the stores
// are replaced, and after resume the new message shows. Presentation stays within the display
// rate.
TEST(EngineThread, PauseAndResumeAroundNewMessages) {
    const DisplayModel m = test::model(40, 7);
    PacketInterpreter interpreter(m);
    test::RecordingSink sink;
    std::mutex mutex;
    std::vector<std::string> seen;
    EngineOptions o = test::options();
    o.presentInterval = kDisplayFrameInterval;
    o.pageLaidOut = [&](const Effect& fx, int) {
        std::lock_guard lock(mutex);
        seen.push_back(test::pageText(fx));
    };
    DisplayEngine engine(interpreter, m, sink, o);
    const auto started = Clock::now();
    ASSERT_TRUE(engine.start());
    EXPECT_FALSE(engine.start());
    std::string dark;
    for (int row = 0; row < 7; ++row)
        dark += std::string(40, '.') + '\n';
    const PixelRect whole = engine.surface().screen().toPixels(engine.surface().bounds());

    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(engine.pause());
        EXPECT_EQ(ledDump(engine.surface().screen(), 3), dark);
        EXPECT_EQ(sink.areas().back(), whole);
        const std::string text = "M" + std::to_string(i);
        interpreter.newMessage(test::packet("AA\x09" + text));
        engine.resume();
        const auto deadline = Clock::now() + 5s;
        for (;;) {
            {
                std::lock_guard lock(mutex);
                if (!seen.empty() && seen.back() == text) break;
            }
            ASSERT_LT(Clock::now(), deadline) << "message " << text << " never showed";
            std::this_thread::sleep_for(1ms);
        }
    }
    engine.stop();
    EXPECT_FALSE(engine.running());
    const double frames = std::chrono::duration<double>(Clock::now() - started) /
                          std::chrono::duration<double>(kDisplayFrameInterval);
    // Every hand-over is at least one interval after the previous, except the forced ones
    // after each pause and at the end.
    EXPECT_LE(sink.count(), frames + 20 + 2);
}

// String packets replace a string file from another thread while the engine lays out pages
// that insert it: every page shows one whole version of the file.
TEST(EngineThread, StringFilesReplacedWhileTheEngineRuns) {
    const DisplayModel m = test::model(120, 7);
    PacketInterpreter interpreter(m);
    interpreter.newMessage(test::packet("AA\x09[\x10S]"));
    test::RecordingSink sink;
    std::mutex mutex;
    std::vector<std::string> seen;
    EngineOptions o = test::options();
    o.pageLaidOut = [&](const Effect& fx, int) {
        std::lock_guard lock(mutex);
        seen.push_back(test::pageText(fx));
    };
    DisplayEngine engine(interpreter, m, sink, o);
    ASSERT_TRUE(engine.start(1ms));
    std::thread writer([&] {
        for (int i = 0; i < 400; ++i) {
            const char digit = static_cast<char>('0' + i % 10);
            interpreter.interpretStringPacket(test::packet("GS" + std::string(1 + i % 12, digit)));
            std::this_thread::sleep_for(std::chrono::microseconds(250));
        }
    });
    writer.join();
    std::this_thread::sleep_for(20ms);
    engine.stop();
    std::lock_guard lock(mutex);
    ASSERT_FALSE(seen.empty());
    for (const std::string& page : seen) {
        ASSERT_GE(page.size(), 2u) << page;
        ASSERT_EQ(page.front(), '[');
        ASSERT_EQ(page.back(), ']');
        const std::string inner = page.substr(1, page.size() - 2);
        if (!inner.empty()) {
            EXPECT_EQ(inner, std::string(inner.size(), inner[0])) << page;
        }
    }
}

// Without a thread pause resets at once; stop ends a paused engine, and a stopped engine can
// be started again.
TEST(EngineThread, PauseWithoutThreadAndStopWhilePaused) {
    test::Sign sign(test::model(40, 7), "AB");
    sign.engine.step();
    EXPECT_NE(sign.engine.currentEffect(), nullptr);
    EXPECT_TRUE(sign.engine.pause());
    EXPECT_EQ(sign.engine.currentEffect(), nullptr);
    EXPECT_EQ(sign.engine.surface().screen().led(17, 3), kLedOff);

    ASSERT_TRUE(sign.engine.start());
    ASSERT_TRUE(sign.engine.pause());
    sign.engine.stop();
    EXPECT_FALSE(sign.engine.running());
    ASSERT_TRUE(sign.engine.start());
    sign.engine.stop();
}

}  // namespace
}  // namespace ztk::sim
