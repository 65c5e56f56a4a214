// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "simcore/displaymodel.h"
#include "simcore/screenbitmap.h"

namespace ztk::sim {
namespace {

// Pixels [0, w) x [0, h) as text: '.' black, 'R' red, 'G' green, '?' other.
std::string dump(const ScreenBitmap& s, int w, int h) {
    std::string out;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int v = s.scanLine(y)[x];
            out += v == 0 ? '.' : v == 11 ? 'R' : v == 12 ? 'G' : '?';
        }
        out += '\n';
    }
    return out;
}

// The pixels must always be exactly the dots of what the LEDs show.
void expectPixelsMatchLeds(const ScreenBitmap& s) {
    ScreenBitmap fresh(s.columns(), s.rows(), s.zoom(), 3);
    fresh.copyBlock(s.leds(), s.leds().bounds(), 0, 0);
    for (int y = 0; y < s.height(); ++y)
        ASSERT_EQ(0, std::memcmp(s.scanLine(y), fresh.scanLine(y), s.width())) << "row " << y;
}

TEST(ScreenBitmap, DotShapesByZoom) {
    const std::pair<int, const char*> cases[] = {
        {0, "RG\n"},
        {1, "R.G.\n....\n"},
        {3, "RRR.GGG.\nRRR.GGG.\nRRR.GGG.\n........\n"},
        {5,
         ".RRR...GGG..\nRRRRR.GGGGG.\nRRRRR.GGGGG.\nRRRRR.GGGGG.\n.RRR...GGG..\n"
         "............\n"}};
    for (auto [zoom, expected] : cases) {
        ScreenBitmap s(2, 1, zoom, 3);
        const int p = zoom + 1;
        EXPECT_EQ(s.width(), 8 * p);  // columns rounded up to 8
        EXPECT_EQ(dump(s, 2 * p, p).find_first_not_of(".\n"), std::string::npos);
        s.paint(0, 0, kLedRed);
        s.paint(1, 0, kLedGreen);
        EXPECT_EQ(dump(s, 2 * p, p), expected) << "zoom " << zoom;
        EXPECT_EQ(s.led(1, 0), kLedGreen);
    }
}

TEST(ScreenBitmap, CopyBlockClipsAtEveryEdge) {
    ScreenBitmap s(10, 4, 2, 3);
    LedBitmap src(4, 3, kLedRed);
    src.set(0, 0, kLedGreen);
    s.copyBlock(src, src.bounds(), -1, -1);  // over the top left corner
    EXPECT_EQ(s.led(2, 1), kLedRed);
    EXPECT_EQ(s.led(3, 0), kLedBlack);
    s.copyBlock(src, {-2, 0, 6, 3}, 7, 2);  // source region partly outside its bitmap
    EXPECT_EQ(s.led(7, 2), kLedBlack);
    EXPECT_EQ(s.led(9, 2), kLedGreen);
    s.copyBlock(src, src.bounds(), 10, 0);  // entirely outside
    expectPixelsMatchLeds(s);
}

TEST(ScreenBitmap, ShiftsMoveLedsAndLeaveUncoveredOnesAlone) {
    LedBitmap src(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            src.set(x, y, static_cast<std::uint8_t>(11 + (x + y) % 8));
    struct Case {
        LedRect area;
        ShiftDirection dir;
        int n;
        int x, y, fromX, fromY;  // LED (x, y) now shows src (fromX, fromY)
    };
    const Case cases[] = {
        {{1, 1, 4, 2}, ShiftDirection::Left, 1, 1, 1, 2, 1},
        {{1, 1, 4, 2}, ShiftDirection::Left, 1, 4, 1, 4, 1},  // uncovered: unchanged
        {{0, 0, 6, 4}, ShiftDirection::Right, 2, 5, 3, 3, 3},
        {{0, 0, 6, 4}, ShiftDirection::Up, 1, 4, 2, 4, 3},
        {{2, 0, 2, 4}, ShiftDirection::Down, 3, 2, 3, 2, 0},
        {{0, 0, 6, 4}, ShiftDirection::Left, 6, 0, 0, 0, 0},  // the whole width: nothing
    };
    for (const Case& c : cases) {
        ScreenBitmap s(6, 4, 3, 3);
        s.copyBlock(src, src.bounds(), 0, 0);
        s.shift(c.area, c.dir, c.n);
        EXPECT_EQ(s.led(c.x, c.y), src.at(c.fromX, c.fromY)) << int(c.dir) << " " << c.x;
        expectPixelsMatchLeds(s);
    }
}

// Many areas shifted at once end as the same areas shifted one by one, and the change report
// covers what moved; painting an LED with what it shows is no change.
TEST(ScreenBitmap, ShiftAreasAndChangeReports) {
    LedBitmap src(40, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 40; ++x)
            src.set(x, y, static_cast<std::uint8_t>(11 + (x * 3 + y) % 8));
    const std::vector<AreaShift> shifts = {{{0, 0, 16, 9}, ShiftDirection::Down, 1},
                                           {{16, 0, 16, 9}, ShiftDirection::Up, 1},
                                           {{32, 0, 8, 4}, ShiftDirection::Left, 3},
                                           {{32, 4, 8, 5}, ShiftDirection::Right, 2},
                                           {{30, 0, 9, 9}, ShiftDirection::Up, 0}};
    for (int zoom : {0, 1, 3, 5}) {
        ScreenBitmap together(40, 9, zoom, 3);
        ScreenBitmap alone(40, 9, zoom, 3);
        together.copyBlock(src, src.bounds(), 0, 0);
        alone.copyBlock(src, src.bounds(), 0, 0);
        EXPECT_EQ(together.takeChanged(), (LedRect{0, 0, 40, 9}));
        EXPECT_TRUE(together.takeChanged().empty());
        together.shiftAreas(shifts);
        for (const AreaShift& a : shifts)
            alone.shift(a.area, a.direction, a.n);
        EXPECT_EQ(together.leds(), alone.leds()) << zoom;
        expectPixelsMatchLeds(together);
        EXPECT_EQ(together.takeChanged(), (LedRect{0, 0, 40, 9}));

        together.copyBlock(together.leds(), {3, 2, 20, 5}, 3, 2);
        together.paint(7, 7, together.led(7, 7));
        EXPECT_TRUE(together.takeChanged().empty());
        together.paint(9, 3, kLedBlack);
        together.paint(12, 5, kLedBlack);
        EXPECT_EQ(together.takeChanged(), (LedRect{9, 3, 4, 3}));
    }

    // The flash area bounds the LEDs that look different in the dark phase.
    ScreenBitmap s(20, 6, 1, 3);
    EXPECT_TRUE(s.flashArea().empty());
    s.paint(4, 1, kLedRed | kLedFlash);
    s.paint(2, 4, kLedGreen | kLedFlash);
    s.paint(9, 5, kLedRed);
    s.paint(15, 0, kLedBlack | kLedFlash);  // black either way
    EXPECT_EQ(s.flashArea(), (LedRect{2, 1, 3, 4}));
    s.paint(4, 1, kLedRed);
    EXPECT_EQ(s.flashArea(), (LedRect{2, 4, 1, 1}));
}

TEST(ScreenBitmap, HugeGeometryIsBoundedBeforeAllocating) {
    const int z = ScreenBitmap::fittingZoom(100000, 100000, 99);
    EXPECT_LE(static_cast<long long>(kMaxColumns) * (z + 1) * kMaxRows * (z + 1), kMaxScreenBytes);
    EXPECT_EQ(ScreenBitmap::fittingZoom(120, 24, 99), kMaxZoom);
    EXPECT_EQ(ScreenBitmap(5000, 2, 0, 3).columns(), kMaxColumns);
    EXPECT_EQ(LedBitmap(-5, 1 << 30).columns(), 0);
    EXPECT_EQ(LedBitmap(1 << 30, 2).columns(), kMaxLedBitmapColumns);
}

}  // namespace
}  // namespace ztk::sim
