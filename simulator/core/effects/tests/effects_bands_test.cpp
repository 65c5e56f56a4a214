// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "effects_testsupport.h"

namespace ztk::sim {
namespace {

using test::dump;
using test::EffectSign;

// Where a part of the area comes from after k moves: the page, or the display shown before.
// What no part names still shows what was shown before.
struct Part {
    LedRect shown;
    bool fromPage;
    LedRect from;
};
using Parts = std::vector<Part>;

constexpr int kW = 48, kH = 16, kMid = 24;

LedRect cols(int x0, int x1, const LedRect& r) {
    return {x0, r.y, x1 - x0, r.height};
}
LedRect rows(int y0, int y1, const LedRect& r) {
    return {r.x, y0, r.width, y1 - y0};
}

// A band rolled by k moves of 4 columns or 1 row.
Parts rollLeft(const LedRect& r, int k) {
    const int c = 4 * k;
    return {{cols(r.right() - c, r.right(), r), true, cols(r.x, r.x + c, r)},
            {cols(r.x, r.right() - c, r), false, cols(r.x + c, r.right(), r)}};
}
Parts rollRight(const LedRect& r, int k) {
    const int c = 4 * k;
    return {{cols(r.x, r.x + c, r), true, cols(r.right() - c, r.right(), r)},
            {cols(r.x + c, r.right(), r), false, cols(r.x, r.right() - c, r)}};
}
Parts rollUp(const LedRect& r, int k) {
    return {{rows(r.bottom() - k, r.bottom(), r), true, rows(r.y, r.y + k, r)},
            {rows(r.y, r.bottom() - k, r), false, rows(r.y + k, r.bottom(), r)}};
}
Parts rollDown(const LedRect& r, int k) {
    return {{rows(r.y, r.y + k, r), true, rows(r.bottom() - k, r.bottom(), r)},
            {rows(r.y + k, r.bottom(), r), false, rows(r.y, r.bottom() - k, r)}};
}
// Revealed in place.
Part wiped(const LedRect& r) {
    return {r, true, r};
}
Parts join(Parts a, const Parts& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const LedRect kArea{0, 0, kW, kH};
const LedRect kLeft{0, 0, kMid, kH};
const LedRect kRight{kMid, 0, kW - kMid, kH};

struct BandCase {
    const char* name;
    std::string mode;
    int moves;
    std::function<Parts(int k)> parts;
};

// Each roll, wipe, interlock and switch, part way and at the end, against the page and the
// display it replaces: the right parts move the right way by the right amount, and the last
// move leaves exactly the page, which then holds for the page's duration.
TEST(EffectBands, DirectionsAmountsAndFinalFrames) {
    const std::vector<BandCase> cases = {
        {"roll up", "e", kH, [](int k) { return rollUp(kArea, k); }},
        {"roll down", "f", kH, [](int k) { return rollDown(kArea, k); }},
        {"roll left", "g", 12, [](int k) { return rollLeft(kArea, k); }},
        {"roll right", "h", 12, [](int k) { return rollRight(kArea, k); }},
        {"roll in", "p", 6, [](int k) { return join(rollRight(kLeft, k), rollLeft(kRight, k)); }},
        {"roll out", "q", 6, [](int k) { return join(rollLeft(kLeft, k), rollRight(kRight, k)); }},
        {"wipe up", "i", kH, [](int k) { return Parts{wiped(rows(kH - k, kH, kArea))}; }},
        {"wipe down", "j", kH, [](int k) { return Parts{wiped(rows(0, k, kArea))}; }},
        {"wipe left", "k", 12, [](int k) { return Parts{wiped(cols(kW - 4 * k, kW, kArea))}; }},
        {"wipe right", "l", 12, [](int k) { return Parts{wiped(cols(0, 4 * k, kArea))}; }},
        {"wipe in", "r", 6,
         [](int k) {
             return Parts{wiped(cols(0, 4 * k, kArea)), wiped(cols(kW - 4 * k, kW, kArea))};
         }},
        {"wipe out", "s", 6,
         [](int k) { return Parts{wiped(cols(kMid - 4 * k, kMid + 4 * k, kArea))}; }},
        {"interlock", "n3", 12,
         [](int k) {
             return join(join(rollLeft(rows(0, 3, kArea), k), rollRight(rows(3, 8, kArea), k)),
                         join(rollLeft(rows(8, 11, kArea), k), rollRight(rows(11, 16, kArea), k)));
         }},
        {"switch", "n4", kH,
         [](int k) {
             return join(join(rollDown(cols(0, 16, kArea), k), rollUp(cols(16, 32, kArea), k)),
                         rollDown(cols(32, 48, kArea), k));
         }},
    };
    for (const BandCase& c : cases) {
        SCOPED_TRACE(c.name);
        // A one-step page first, so that the mode replaces something.
        EffectSign sign(test::model(kW, kH), "\0330b\011\0342ZYXWVUT\r\0343SRQPONM\0330" + c.mode +
                                                 "\027\0341ABCDEFG\r\0342HIJKLMN");
        sign.step();
        const LedBitmap before = sign.shown();
        sign.step();
        const LedBitmap page = sign.page().page();
        const int duration = sign.page().duration();
        ASSERT_GT(duration, 2 * c.moves);
        for (int k : {3, c.moves}) {
            sign.stepTo(2 * k);  // the mode's page started on step 2; move k is on its step 2k - 1
            LedBitmap expected = before;
            for (const Part& p : c.parts(k))
                expected.copyFrom(p.fromPage ? page : before, p.from, p.shown.x, p.shown.y);
            EXPECT_EQ(dump(sign.shown()), dump(expected)) << "after " << k << " moves";
        }
        EXPECT_EQ(dump(sign.shown()), dump(page));
        EXPECT_EQ(sign.finishPage(), duration - (sign.steps() - 1));
        EXPECT_EQ(dump(sign.shown(), kArea), dump(page));
    }
}

// Roll left over 120 columns brings the whole page in with 30 moves of 4 columns in 60 steps;
// without a hold of its own the page ends right there, with one it holds on.
TEST(EffectBands, RollLeftAcross120Columns) {
    EffectSign noHold(test::model(120, 16), "\0330g\011\0341HELLO WORLD");
    EXPECT_EQ(noHold.finishPage(), 60);
    EXPECT_EQ(dump(noHold.shown()), dump(noHold.page().page()));

    EffectSign held(test::model(120, 16), "\0330g\0341HELLO WORLD");
    held.step(58);  // 29 moves
    const LedBitmap page = held.page().page();
    EXPECT_EQ(dump(held.shown(), {4, 0, 116, 16}), dump(page, {0, 0, 116, 16}));
    held.step();
    EXPECT_EQ(dump(held.shown()), dump(page));
    EXPECT_EQ(held.finishPage(), held.page().duration() - 59);
    EXPECT_EQ(dump(held.shown()), dump(page));
}

// On an area of 8 rows or fewer with the fixed line height every interlock band is one row,
// alternately moving left and right.
TEST(EffectBands, InterlockRowBandsOnSmallFixedHeightAreas) {
    EffectSign sign(test::model(40, 7, 0x3FF, 0x07), "\0330n3\027\0341ABCDEF");
    sign.step(5);  // 3 moves
    const LedBitmap page = sign.page().page();
    const LedRect area{0, 0, 40, 7};
    for (int y = 0; y < 7; ++y) {
        const Part in = (y % 2 ? rollRight : rollLeft)(rows(y, y + 1, area), 3).front();
        EXPECT_EQ(dump(sign.shown(), in.shown), dump(page, in.from)) << "row " << y;
    }
}

}  // namespace
}  // namespace ztk::sim
