#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "simcore/displaymodel.h"
#include "simcore/screenbitmap.h"

namespace ztk::sim {
namespace {

// The pixels of rows [0, h) and columns [0, w) as text: '.' black, 'R' red, 'G' green,
// 'o' off, '?' anything else.
std::string dump(const ScreenBitmap& s, int w, int h) {
    std::string out;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int v = s.scanLine(y)[x];
            out += v == 0 ? '.' : v == 11 ? 'R' : v == 12 ? 'G' : v == 10 ? 'o' : '?';
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
    for (int zoom : {0, 1, 3, 5}) {
        ScreenBitmap s(2, 1, zoom, 3);
        const int p = zoom + 1;
        EXPECT_EQ(s.width(), 8 * p);  // columns rounded up to 8
        EXPECT_EQ(s.height(), p);
        EXPECT_EQ(dump(s, 2 * p, p).find_first_not_of(".\n"), std::string::npos);
        s.paint(0, 0, kLedRed);
        s.paint(1, 0, kLedGreen);
        const char* expected[] = {"RG\n", "R.G.\n....\n",
                                  "RRR.GGG.\nRRR.GGG.\nRRR.GGG.\n........\n",
                                  ".RRR...GGG..\nRRRRR.GGGGG.\nRRRRR.GGGGG.\nRRRRR.GGGGG.\n"
                                  ".RRR...GGG..\n............\n"};
        EXPECT_EQ(dump(s, 2 * p, p), expected[zoom == 0   ? 0
                                              : zoom == 1 ? 1
                                              : zoom == 3 ? 2
                                                          : 3])
            << "zoom " << zoom;
        EXPECT_EQ(s.led(0, 0), kLedRed);
        EXPECT_EQ(s.led(1, 0), kLedGreen);
    }
}

TEST(ScreenBitmap, CopyBlockClipsAtEveryEdge) {
    ScreenBitmap s(10, 4, 2, 3);
    LedBitmap src(4, 3, kLedRed);
    src.set(0, 0, kLedGreen);
    // Hanging over the top left corner: only src (1..3, 1..2) lands, at (0..2, 0..1).
    s.copyBlock(src, src.bounds(), -1, -1);
    EXPECT_EQ(s.led(0, 0), kLedRed);
    EXPECT_EQ(s.led(2, 1), kLedRed);
    EXPECT_EQ(s.led(3, 0), kLedBlack);
    EXPECT_EQ(s.led(0, 2), kLedBlack);
    // Over the bottom right corner, from a source region partly outside its bitmap.
    s.copyBlock(src, {-2, 0, 6, 3}, 7, 2);
    EXPECT_EQ(s.led(7, 2), kLedBlack);  // source column -2 does not exist
    EXPECT_EQ(s.led(9, 2), kLedGreen);
    EXPECT_EQ(s.led(9, 3), kLedRed);
    // Entirely outside: nothing.
    s.copyBlock(src, src.bounds(), 10, 0);
    s.copyBlock(src, src.bounds(), 0, -3);
    expectPixelsMatchLeds(s);
    // The padding columns up to the multiple of 8 stay black.
    for (int y = 0; y < s.height(); ++y)
        for (int x = 10 * 3; x < s.width(); ++x)
            ASSERT_EQ(s.scanLine(y)[x], 0);
}

TEST(ScreenBitmap, ShiftsMoveLedsAndLeaveUncoveredOnesAlone) {
    ScreenBitmap s(6, 4, 3, 3);
    LedBitmap src(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            src.set(x, y, static_cast<std::uint8_t>(11 + (x + y) % 8));
    auto reset = [&] { s.copyBlock(src, src.bounds(), 0, 0); };

    reset();
    s.shift({1, 1, 4, 2}, ShiftDirection::Left, 1);
    EXPECT_EQ(s.led(1, 1), src.at(2, 1));
    EXPECT_EQ(s.led(3, 2), src.at(4, 2));
    EXPECT_EQ(s.led(4, 1), src.at(4, 1));  // uncovered: keeps its content
    EXPECT_EQ(s.led(0, 1), src.at(0, 1));  // outside the area
    EXPECT_EQ(s.led(5, 1), src.at(5, 1));
    expectPixelsMatchLeds(s);

    reset();
    s.shift({0, 0, 6, 4}, ShiftDirection::Right, 2);
    EXPECT_EQ(s.led(2, 0), src.at(0, 0));
    EXPECT_EQ(s.led(5, 3), src.at(3, 3));
    EXPECT_EQ(s.led(1, 3), src.at(1, 3));
    expectPixelsMatchLeds(s);

    reset();
    s.shift({0, 0, 6, 4}, ShiftDirection::Up, 1);
    EXPECT_EQ(s.led(0, 0), src.at(0, 1));
    EXPECT_EQ(s.led(4, 2), src.at(4, 3));
    EXPECT_EQ(s.led(4, 3), src.at(4, 3));
    expectPixelsMatchLeds(s);

    reset();
    s.shift({2, 0, 2, 4}, ShiftDirection::Down, 3);
    EXPECT_EQ(s.led(2, 3), src.at(2, 0));
    EXPECT_EQ(s.led(3, 0), src.at(3, 0));
    EXPECT_EQ(s.led(1, 3), src.at(1, 3));
    expectPixelsMatchLeds(s);

    // Shifts by the whole area or more, or by nothing, change nothing.
    reset();
    s.shift({0, 0, 6, 4}, ShiftDirection::Left, 6);
    s.shift({0, 0, 6, 4}, ShiftDirection::Down, 9);
    s.shift({0, 0, 6, 4}, ShiftDirection::Up, -1);
    EXPECT_EQ(s.leds(), [&] {
        ScreenBitmap t(6, 4, 3, 3);
        t.copyBlock(src, src.bounds(), 0, 0);
        return t.leds();
    }());
}

TEST(ScreenBitmap, HugeGeometryIsBoundedBeforeAllocating) {
    const int z = ScreenBitmap::fittingZoom(100000, 100000, 99);
    EXPECT_LT(z, kMaxZoom);
    EXPECT_LE(static_cast<long long>(kMaxColumns) * (z + 1) * kMaxRows * (z + 1), kMaxScreenBytes);
    EXPECT_EQ(ScreenBitmap::fittingZoom(120, 24, 99), kMaxZoom);
    EXPECT_EQ(ScreenBitmap::fittingZoom(120, 24, -3), 0);
    const ScreenBitmap s(5000, 2, 0, 3);
    EXPECT_EQ(s.columns(), kMaxColumns);
    EXPECT_EQ(LedBitmap(-5, 1 << 30).columns(), 0);
    const LedBitmap wide(1 << 30, 2);
    EXPECT_EQ(wide.columns(), kMaxLedBitmapColumns);
    EXPECT_EQ(wide.rows(), 2);
}

}  // namespace
}  // namespace ztk::sim
