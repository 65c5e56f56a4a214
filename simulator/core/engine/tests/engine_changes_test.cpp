// SPDX-License-Identifier: MIT
// What the engine reports as changed at each step: every pixel whose colour changed lies in
// the area it presents, a held step presents nothing, and a flip of the flash phase presents
// where flashing LEDs are, or nothing when none flash. Held steps are quiet: the thread may
// run them late, in one go.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "engine_testsupport.h"

namespace ztk::sim {
namespace {

// The screen as the window sees it: every pixel in its colour of the moment.
std::vector<std::uint32_t> colours(const ScreenBitmap& screen) {
    const ScreenView view = screen.view();
    std::vector<std::uint32_t> out;
    out.reserve(static_cast<std::size_t>(view.width) * view.height);
    for (int y = 0; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x)
            out.push_back((*view.colorTable)[view.scanLine(y)[x]]);
    return out;
}

bool contains(const PixelRect& r, int x, int y) {
    return x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height;
}

// Steps `steps` times; each step must present (at most once, every frame passing) an area
// that covers every pixel whose colour it changed. Returns the steps that presented nothing.
int checkSteps(test::Sign& s, int steps) {
    int silent = 0;
    std::vector<std::uint32_t> before = colours(s.engine.surface().screen());
    for (int i = 0; i < steps; ++i) {
        const std::size_t presented = s.sink.areas().size();
        s.engine.step();
        const std::vector<PixelRect> areas = s.sink.areas();
        const std::vector<std::uint32_t> after = colours(s.engine.surface().screen());
        const int width = s.engine.surface().screen().width();
        const PixelRect area = areas.size() > presented ? areas.back() : PixelRect{};
        if (areas.size() == presented) ++silent;
        for (std::size_t p = 0; p < after.size(); ++p) {
            if (after[p] == before[p]) continue;
            const int x = static_cast<int>(p) % width;
            const int y = static_cast<int>(p) / width;
            EXPECT_TRUE(contains(area, x, y)) << "step " << i << ": pixel " << x << "," << y;
            if (!contains(area, x, y)) return silent;
        }
        before = after;
    }
    return silent;
}

TEST(EngineChanges, EveryChangedPixelIsPresentedAndHeldStepsPresentNothing) {
    // Every moving mode, with flashing LEDs in the text.
    for (const char* mode : {"a",  "e",  "f",  "g",  "h",  "p",  "q",  "i",  "k",  "m",
                             "n0", "n1", "n2", "n3", "n4", "n5", "n6", "n7", "nC", "c"}) {
        test::Sign s(test::model(40, 16, 3, 0x3FF, 0x7FFF),
                     std::string("\0330") + mode + "AB\0071CD\0070EF");
        SCOPED_TRACE(mode);
        checkSteps(s, 400);
    }

    // A held page presents its first step, then nothing, flash flips included, while no LED
    // flashes; its later steps are quiet until the page ends.
    test::Sign held(test::model(40, 7), "ABCD");
    held.engine.step();
    EXPECT_FALSE(held.sink.areas().empty());
    const int duration = held.engine.currentEffect()->duration();
    ASSERT_GT(duration, 52);  // two flips of the flash phase
    EXPECT_EQ(held.engine.quietSteps(), duration - 1);
    EXPECT_EQ(checkSteps(held, 51), 51);
    EXPECT_EQ(held.engine.quietSteps(), duration - 52);
}

TEST(EngineChanges, AFlashFlipPresentsTheFlashingLedsOnly) {
    test::Sign s(test::model(40, 7), "AB\0071CD\0070EF");
    s.engine.step();
    const LedRect flashing = s.engine.surface().flashArea();
    // Blocks of 6 columns: C and D, centred on the 40 columns.
    EXPECT_EQ(flashing.x, (40 - 36) / 2 + 12);
    EXPECT_EQ(flashing.width, 11);
    int flips = 0;
    for (int i = 0; i < 120; ++i) {
        // Held steps up to the flip are quiet (as long as the page lasts), the flip is not.
        const Effect* page = s.engine.currentEffect();
        ASSERT_NE(page, nullptr);
        const int holding = page->duration() - page->stepsDone();
        EXPECT_EQ(s.engine.quietSteps(),
                  std::min(s.engine.surface().flashCountdown() - 1, holding));
        const bool lit = s.engine.surface().flashLit();
        const std::size_t presented = s.sink.areas().size();
        s.engine.step();
        if (!s.engine.currentEffect()) {
            // The page is laid out again (its colours may change): shown like any other.
            s.engine.step();
            continue;
        }
        const bool flipped = s.engine.surface().flashLit() != lit;
        flips += flipped;
        ASSERT_EQ(s.sink.areas().size(), presented + flipped) << i;
        if (flipped) {
            EXPECT_EQ(s.sink.areas().back(),
                      s.engine.surface().screen().toPixels(s.engine.surface().flashArea()));
        }
    }
    EXPECT_GE(flips, 4);
}

// A worker whose every step is followed by four quiet ones runs them in batches of five, and
// asks once a batch.
class QuietWorker final : public WorkerThread {
  public:
    ~QuietWorker() override { stop(); }
    void step() override { ++steps; }
    int quietSteps() override {
        ++asked;
        return 4;
    }
    std::atomic<int> steps{0};
    std::atomic<int> asked{0};
};

TEST(EngineChanges, QuietStepsRunInBatches) {
    QuietWorker worker;
    ASSERT_TRUE(worker.start(std::chrono::milliseconds(1)));
    while (worker.asked < 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    worker.stop();
    EXPECT_EQ(worker.steps, 1 + 5 * (worker.asked - 1));
}

}  // namespace
}  // namespace ztk::sim
