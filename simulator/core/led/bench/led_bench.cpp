// SPDX-License-Identifier: MIT
// Cost of painting LEDs as dots: a whole frame stamped through copyBlock, against a plain
// memset of the same number of bytes, and whole-frame copies at the common sign sizes.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "simcore/ledbitmap.h"
#include "simcore/screenbitmap.h"

namespace {

using ztk::sim::LedBitmap;
using ztk::sim::ScreenBitmap;

LedBitmap pattern(int columns, int rows) {
    LedBitmap b(columns, rows);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            b.set(x, y, static_cast<std::uint8_t>(10 + (x + y) % 9));
    return b;
}

void copyFrame(benchmark::State& state, int columns, int rows, int zoom) {
    ScreenBitmap screen(columns, rows, zoom, 3);
    const LedBitmap leds = pattern(columns, rows);
    for (auto _ : state) {
        screen.copyBlock(leds, leds.bounds(), 0, 0);
        benchmark::DoNotOptimize(screen.pixels());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(screen.width()) *
                            screen.height());
}

void BM_StampFrame_640x480_Zoom3(benchmark::State& state) {
    copyFrame(state, 640, 480, 3);
}
BENCHMARK(BM_StampFrame_640x480_Zoom3)->Unit(benchmark::kMicrosecond);

// The floor for the frame above: writing the same bytes with memset.
void BM_Memset_640x480_Zoom3(benchmark::State& state) {
    const ScreenBitmap shape(640, 480, 3, 3);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(shape.width()) * shape.height());
    int value = 0;
    for (auto _ : state) {
        std::memset(bytes.data(), ++value & 0xFF, bytes.size());
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_Memset_640x480_Zoom3)->Unit(benchmark::kMicrosecond);

void BM_CopyBlock_120x24_Zoom5(benchmark::State& state) {
    copyFrame(state, 120, 24, 5);
}
BENCHMARK(BM_CopyBlock_120x24_Zoom5)->Unit(benchmark::kMicrosecond);

void BM_CopyBlock_160x32_Zoom5(benchmark::State& state) {
    copyFrame(state, 160, 32, 5);
}
BENCHMARK(BM_CopyBlock_160x32_Zoom5)->Unit(benchmark::kMicrosecond);

}  // namespace
