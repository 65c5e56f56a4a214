// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "effects_testsupport.h"

namespace ztk::sim {
namespace {

using test::dump;
using test::EffectSign;

// Steps the page of a sign that showed it from its first step to its end, checking that it
// ends at the first step, once `motion` steps are done, after which flashing LEDs are lit
// with more than one tick to go.
void finishAtFlash(EffectSign& sign, int motion) {
    const LedSurface& s = sign.engine().surface();
    while (sign.engine().currentEffect()) {
        if (sign.steps() >= motion) {
            EXPECT_FALSE(s.flashLit() && s.flashCountdown() > 1);
        }
        sign.step();
    }
    EXPECT_TRUE(s.flashLit() && s.flashCountdown() > 1);
    EXPECT_GE(sign.steps(), motion);
    EXPECT_LE(sign.steps(), motion + 2 * kFlashPhaseSteps);
}

// A rotating page enters at the right edge one column every 2 steps, however long it is (here
// several hundred columns, drawn piece by piece), and ends when flashing LEDs have come on.
TEST(EffectMotion, RotateEntersColumnByColumnAndEndsAtTheFlash) {
    for (const int words : {2, 30}) {
        std::string text = "\0330a\0341";
        for (int w = 0; w < words; ++w)
            text += "Rotate" + std::to_string(w) + " ";
        EffectSign sign(test::model(40, 7), text);
        sign.step();
        const LedBitmap content = sign.page().content();
        const int width = content.columns();
        ASSERT_GT(width, words * 30);
        for (int k : {1, 20, 40, 41, width / 2, width}) {
            sign.stepTo(2 * k - 1);
            const int n = std::min(k, 40);
            EXPECT_EQ(dump(sign.shown(), {40 - n, 0, n, 7}), dump(content, {k - n, 0, n, 7}))
                << "after " << k << " columns";
        }
        finishAtFlash(sign, 2 * width);
    }
}

// Scroll pushes the display up one row every 12 steps; a line fully in holds for the page's
// duration (one step here), the next line follows, then the text leaves at the top the same
// way and the page ends when flashing LEDs have come on.
TEST(EffectMotion, ScrollPushesOneRowEvery12Steps) {
    EffectSign sign(test::model(40, 16), "\0330m\011\0341AB\r\0342CD");
    sign.step();
    const LedBitmap page = sign.page().page();
    ASSERT_EQ(sign.page().lines().size(), 2u);
    ASSERT_EQ(sign.page().lines()[0].lineHeight(), 8);
    for (int s = 1; s <= 96; ++s) {
        const int in = (s - 1) / 12 + 1;  // rows pushed in after s steps
        EXPECT_EQ(dump(sign.shown(), {0, 16 - in, 40, in}), dump(page, {0, 0, 40, in}))
            << "after " << s << " steps";
        EXPECT_EQ(dump(sign.shown(), {0, 0, 40, 16 - in}), dump(LedBitmap(40, 16 - in)));
        sign.step();
    }
    // Step 97 held the first line; the second is in 12 x 8 steps later and holds on step 194;
    // then the 16 rows leave, one every 12 steps.
    sign.stepTo(193);
    EXPECT_EQ(dump(sign.shown()), dump(page));
    sign.stepTo(194 + 12 * 14 + 1);
    EXPECT_EQ(dump(sign.shown(), {0, 0, 40, 1}), dump(page, {0, 15, 40, 1}));
    EXPECT_EQ(dump(sign.shown(), {0, 1, 40, 15}), dump(LedBitmap(40, 15)));
    finishAtFlash(sign, 194 + 12 * 16);
    EXPECT_EQ(dump(sign.shown()), dump(LedBitmap(40, 16)));
}

// The flash phase rests while a page moves in and runs once it holds: on a 120-column sign
// a flashing page (speed 3: it lasts 171 steps) that rolls or is wiped in from the side
// takes 30 moves (60 steps), stays lit all that time and for the 25 holding steps of the lit
// phase, then goes dark.
TEST(EffectMotion, FlashingLedsStayLitWhileThePageMovesIn) {
    for (const char* mode : {"g", "l"}) {
        SCOPED_TRACE(mode);
        EffectSign sign(test::model(120, 16),
                        std::string("\0330") + mode + "\027\0071\0341WELCOME");
        const LedSurface& s = sign.engine().surface();
        for (int step = 1; step <= 60 + kFlashPhaseSteps - 1; ++step) {
            sign.step();
            ASSERT_TRUE(s.flashLit()) << "after " << step << " steps";
            if (step == 60) {
                // The motion is over: the page is in whole, and it is flashing ("1": red).
                EXPECT_EQ(dump(sign.shown()), dump(sign.page().page()));
                EXPECT_NE(dump(sign.shown()).find('1'), std::string::npos);
            }
        }
        sign.step();
        EXPECT_FALSE(s.flashLit());
        EXPECT_TRUE(sign.engine().currentEffect());
    }
}

// A rotating text that repeats moves on one column every 2 steps across the end of each pass:
// the next pass starts at once instead of waiting for the flash phase to come round.
TEST(EffectMotion, RepeatingRotateRunsOnWithoutStalling) {
    for (const char* text : {"ABC", "WELCOME "}) {
        SCOPED_TRACE(text);
        EffectSign sign(test::model(40, 7), std::string("\0330a\0341") + text);
        std::string before2, before1 = dump(sign.shown(), {1, 0, 39, 7});
        for (int step = 1; step <= 600; ++step) {
            sign.step();
            const std::string now = dump(sign.shown(), {0, 0, 39, 7});
            // Every 2 steps the display has moved left by exactly one column.
            if (step >= 3 && step % 2 == 1) {
                ASSERT_EQ(now, before2) << "after " << step << " steps";
            }
            before2 = before1;
            before1 = dump(sign.shown(), {1, 0, 39, 7});
        }
        const int width = sign.page().content().columns();
        EXPECT_GE(sign.engine().pagesLaidOut(), 600 / (2 * width));
    }
}

}  // namespace
}  // namespace ztk::sim
