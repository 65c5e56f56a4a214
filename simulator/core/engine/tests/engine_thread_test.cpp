// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

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
// drift; after a stall only three missed steps are caught up. Frames presented within one
// display interval reach the sink once, as one area covering them all.
TEST(EngineThread, DeadlinesAndPresentationPacing) {
    const Clock::time_point t0{};
    StepPacer pacer(10ms);
    pacer.reset(t0);
    pacer.stepped(t0 + 13ms);
    pacer.stepped(t0 + 27ms);
    EXPECT_EQ(pacer.deadline(), t0 + 30ms);
    pacer.stepped(t0 + 1s);
    int burst = 0;
    for (; pacer.deadline() < t0 + 1s; ++burst)
        pacer.stepped(t0 + 1s);
    EXPECT_EQ(burst, 3);

    test::RecordingSink sink;
    Clock::time_point now{};
    PresentPacer presents(sink, 16ms, [&] { return now; });
    for (const PixelRect& r :
         {PixelRect{0, 0, 10, 10}, PixelRect{20, 0, 10, 10}, PixelRect{0, 30, 5, 5},
          PixelRect{40, 40, 1, 1}, PixelRect{1, 1, 1, 1}}) {
        presents.present({}, r);  // at 0, 6, 12, 18 and 24 ms
        now += 6ms;
    }
    presents.flush({});
    presents.flush({});
    EXPECT_EQ(sink.areas(), (std::vector<PixelRect>{{0, 0, 10, 10}, {0, 0, 41, 41}, {1, 1, 1, 1}}));
}

// New messages arrive with the pause handshake while the engine runs: it stops at a step
// boundary with every LED off and presented, the stores are replaced, and after resume the
// new message shows. Presentation stays within the display rate meanwhile.
TEST(EngineThread, PauseAndResumeAroundNewMessages) {
    test::Sign s(test::model(40, 7), {}, {}, kDisplayFrameInterval);
    const auto started = Clock::now();
    ASSERT_TRUE(s.engine.start());
    EXPECT_FALSE(s.engine.start());
    const PixelRect whole = s.engine.surface().screen().toPixels(s.engine.surface().bounds());
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(s.engine.pause());
        EXPECT_EQ(ledDump(s.engine.surface().screen(), 3).find_first_not_of(".\n"),
                  std::string::npos);
        EXPECT_EQ(s.sink.areas().back(), whole);
        const std::string text = "M" + std::to_string(i);
        s.interpreter.newMessage(test::packet("AA\011" + text));
        s.engine.resume();
        for (const auto deadline = Clock::now() + 5s;; std::this_thread::sleep_for(1ms)) {
            if (!s.texts().empty() && s.texts().back() == text) break;
            ASSERT_LT(Clock::now(), deadline) << text << " never showed";
        }
    }
    s.engine.stop();
    const auto intervals = (Clock::now() - started) / kDisplayFrameInterval;
    // Beyond one hand-over per interval only the forced ones: one per pause and the last.
    EXPECT_LE(static_cast<long>(s.sink.areas().size()), intervals + 1 + 20 + 2);
}

// String packets replace a string file from another thread while the running engine lays out
// pages that insert it: every page shows one whole version of the file. Stop works while
// paused, and a stopped engine starts again; without a thread pause resets at once.
TEST(EngineThread, StringFilesReplacedWhileRunningAndStopping) {
    test::Sign s(test::model(120, 7));
    s.interpreter.newMessage(test::packet("AA\011[\020S]"));
    s.interpreter.interpretStringPacket(test::packet("GS0"));
    ASSERT_TRUE(s.engine.start(1ms));
    for (int i = 0; i < 400; ++i) {
        const char digit = static_cast<char>('0' + i % 10);
        s.interpreter.interpretStringPacket(test::packet("GS" + std::string(1 + i % 12, digit)));
        std::this_thread::sleep_for(250us);
    }
    ASSERT_TRUE(s.engine.pause());
    s.engine.stop();
    EXPECT_FALSE(s.engine.running());
    const std::vector<std::string> pages = s.texts();
    for (const std::string& page : pages) {
        ASSERT_TRUE(page.size() > 2 && page.front() == '[' && page.back() == ']') << page;
        EXPECT_EQ(page.find_first_not_of(page[1], 1), page.size() - 1) << page;
    }
    EXPECT_GT(pages.size(), 10u);

    ASSERT_TRUE(s.engine.start());
    s.engine.stop();
    s.engine.step();
    EXPECT_TRUE(s.engine.pause());
    EXPECT_EQ(s.engine.currentEffect(), nullptr);
    EXPECT_EQ(s.engine.surface().screen().led(60, 3), kLedOff);
}

}  // namespace
}  // namespace ztk::sim
