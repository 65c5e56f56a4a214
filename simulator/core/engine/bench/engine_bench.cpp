// SPDX-License-Identifier: MIT
// Cost of one display step of a hold page with the screen bitmap update: a step that lays a
// page out, draws it and stamps it onto the screen (every step, with no hold), and a step
// that only holds a page, at the common sign sizes.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "simcore/displayengine.h"
#include "simcore/interpreter.h"

namespace {

using namespace ztk::sim;

class NullSink final : public PresentSink {
  public:
    void present(const ScreenView& screen, const PixelRect& area) override {
        benchmark::DoNotOptimize(screen.pixels);
        benchmark::DoNotOptimize(area);
    }
};

std::vector<std::uint8_t> textPacket(const std::string& text) {
    std::string p =
        "\x01\x01\x01\x01\x01\x01Z00\x02"
        "AA";
    p += text;
    p += '\x04';
    return {p.begin(), p.end()};
}

// Text that fills a sign of `columns` x `rows`: lines of words in two colours.
std::string fillText(int columns, int rows, bool noHold) {
    std::string text =
        "\x1b"
        "0b";
    if (noHold) text += '\x09';
    const int lines = std::max(rows / 8, 1);
    for (int l = 0; l < lines; ++l) {
        text += l % 2 ? "\x1c"
                        "2"
                      : "\x1c"
                        "1";
        for (int c = 0; c < columns / 36 + 1; ++c)
            text += "Sign 123 ";
        text += '\x0d';
    }
    return text;
}

void runSteps(benchmark::State& state, int columns, int rows, int zoom, bool noHold) {
    DisplayModel model;
    model.columns = columns;
    model.rows = rows;
    PacketInterpreter interpreter(model);
    interpreter.newMessage(textPacket(fillText(columns, rows, noHold)));
    NullSink sink;
    EngineOptions options;
    options.zoom = zoom;
    options.seed = 1;
    options.presentInterval = {};
    DisplayEngine engine(interpreter, model, sink, options);
    engine.step();  // the first page is on screen
    for (auto _ : state)
        engine.step();
    state.counters["pages"] = static_cast<double>(engine.pagesLaidOut());
}

void BM_PageStep(benchmark::State& state) {
    runSteps(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
             static_cast<int>(state.range(2)), true);
}
void BM_HoldStep(benchmark::State& state) {
    runSteps(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
             static_cast<int>(state.range(2)), false);
}

#define ZTK_SIZES                            \
    Args({120, 24, 5})                       \
        ->Args({160, 32, 5})                 \
        ->Args({640, 480, 1})                \
        ->Args({640, 480, 3})                \
        ->ArgNames({"cols", "rows", "zoom"}) \
        ->Unit(benchmark::kMicrosecond)

BENCHMARK(BM_PageStep)->ZTK_SIZES;
BENCHMARK(BM_HoldStep)->ZTK_SIZES;

}  // namespace
