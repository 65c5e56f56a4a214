// SPDX-License-Identifier: MIT
// Cost of the display effects' steps: for every mode code, one page of a sign-filling text
// (without a hold of its own, so the page is the mode's motion) stepped through the display
// engine, with the median and the worst step reported (each step at its fastest of three
// runs of the page); and the screen update of a whole frame of dots against a memset of the
// same bytes.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "simcore/displayengine.h"
#include "simcore/interpreter.h"

namespace {

using namespace ztk::sim;

// Pages longer than this are measured over their first steps only.
constexpr int kMaxStepsMeasured = 3000;

class NullSink final : public PresentSink {
  public:
    void present(const ScreenView& screen, const PixelRect& area) override {
        benchmark::DoNotOptimize(screen.pixels);
        benchmark::DoNotOptimize(area);
    }
};

// The mode bytes of each mode code.
const char* modeBytes(int code) {
    static const char* const kBytes[26] = {"b",  "b",  "a",  "c",  "e",  "f",  "g",  "h", "p",
                                           "q",  "i",  "j",  "k",  "l",  "r",  "s",  "m", "n0",
                                           "n1", "n2", "n3", "n4", "n5", "n6", "n7", "nC"};
    return kBytes[std::clamp(code, 0, 25)];
}

std::vector<std::uint8_t> textPacket(int code, int columns, int rows) {
    std::string p =
        "\x01\x01\x01\x01\x01\x01Z00\x02"
        "AA\x1b"
        "0";
    p += modeBytes(code);
    p += '\x09';
    for (int l = 0; l < std::max(rows / 8, 1); ++l) {
        p += l % 2 ? "\x1c"
                     "2"
                   : "\x1c"
                     "1";
        for (int c = 0; c < columns / 54 + 1; ++c)
            p += "Sign 123 ";
        p += '\x0d';
    }
    p += '\x04';
    return {p.begin(), p.end()};
}

void BM_EffectPage(benchmark::State& state) {
    const int code = static_cast<int>(state.range(0));
    DisplayModel model;
    model.columns = static_cast<int>(state.range(1));
    model.rows = static_cast<int>(state.range(2));
    model.modeMask = 0x7FFF;
    PacketInterpreter interpreter(model);
    interpreter.newMessage(textPacket(code, model.columns, model.rows));
    NullSink sink;
    EngineOptions options;
    options.zoom = static_cast<int>(state.range(3));
    options.seed = 1;
    options.presentInterval = {};
    DisplayEngine engine(interpreter, model, sink, options);

    // Each run of the page times every step; a step's cost is its fastest run, so that a
    // step the machine happened to interrupt does not count as the page's worst.
    std::vector<double> fastest;
    std::vector<double> micros;
    for (auto _ : state) {
        micros.clear();
        do {
            const auto start = std::chrono::steady_clock::now();
            engine.step();
            const auto end = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        } while (engine.currentEffect() && micros.size() < kMaxStepsMeasured);
        // The next iteration starts with a page of its own.
        while (engine.currentEffect())
            engine.step();
        if (fastest.empty()) fastest = micros;
        fastest.resize(std::min(fastest.size(), micros.size()));
        for (std::size_t i = 0; i < fastest.size(); ++i)
            fastest[i] = std::min(fastest[i], micros[i]);
    }
    const double worst = *std::max_element(fastest.begin(), fastest.end());
    std::sort(fastest.begin(), fastest.end());
    state.counters["median_us"] = fastest[fastest.size() / 2];
    state.counters["worst_us"] = worst;
    // Every mode's worst step stays under 2 ms on the large sign.
    if (model.rows >= 480) state.counters["worst_goal_us"] = 2000;
    state.counters["steps"] = static_cast<double>(fastest.size());
}

void effectArgs(benchmark::internal::Benchmark* b) {
    b->ArgNames({"mode", "cols", "rows", "zoom"});
    for (int code = 1; code <= 25; ++code) {
        b->Args({code, 120, 24, 5});
        b->Args({code, 640, 480, 3});
    }
}
BENCHMARK(BM_EffectPage)->Apply(effectArgs)->Iterations(3)->Unit(benchmark::kMillisecond);

// A whole frame of dots painted onto the screen, as an effect's full-area copy does.
void BM_ScreenUpdate(benchmark::State& state) {
    const int columns = static_cast<int>(state.range(0));
    const int rows = static_cast<int>(state.range(1));
    LedSurface surface(columns, rows, static_cast<int>(state.range(2)), 3);
    // Two frames that differ in every LED, in turn: painting what an LED shows already is
    // skipped, so the same frame twice would measure nothing.
    LedBitmap frames[2] = {LedBitmap(columns, rows), LedBitmap(columns, rows)};
    for (int f = 0; f < 2; ++f)
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x)
                frames[f].set(x, y, static_cast<std::uint8_t>(10 + (x * 7 + y + f) % 9));
    int turn = 0;
    for (auto _ : state) {
        const LedBitmap& leds = frames[turn ^= 1];
        surface.copyBlock(leds, leds.bounds(), 0, 0);
        benchmark::DoNotOptimize(surface.screen().pixels());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(surface.screen().width()) *
                            surface.screen().height());
}
BENCHMARK(BM_ScreenUpdate)
    ->Args({120, 24, 5})
    ->Args({640, 480, 3})
    ->ArgNames({"cols", "rows", "zoom"})
    ->Unit(benchmark::kMicrosecond);

// The floor for the frame above: writing the same bytes with memset.
void BM_ScreenMemset(benchmark::State& state) {
    const ScreenBitmap shape(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                             static_cast<int>(state.range(2)), 3);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(shape.width()) * shape.height());
    int value = 0;
    for (auto _ : state) {
        std::memset(bytes.data(), ++value & 0xFF, bytes.size());
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ScreenMemset)
    ->Args({120, 24, 5})
    ->Args({640, 480, 3})
    ->ArgNames({"cols", "rows", "zoom"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
