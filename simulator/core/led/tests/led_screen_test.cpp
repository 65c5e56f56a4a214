// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstring>
#include <string>

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
