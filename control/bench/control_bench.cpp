// SPDX-License-Identifier: MIT
// Costs of the control: building packets, and the CPU that the two-second pause after the
// memory layout uses (its "CPU" column should stay near zero: the wait blocks in the event
// loop instead of spinning).
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "front/pausetimer.h"
#include "protocol/boardmemory.h"
#include "protocol/packetframe.h"
#include "protocol/quickdisplay.h"

namespace {

void BM_QuickDisplayPacket(benchmark::State& state) {
    const QString text(static_cast<qsizetype>(state.range(0)), u'x');
    for (auto _ : state) {
        benchmark::DoNotOptimize(ztk::protocol::frameTextFilePacket(
            0, "00", ztk::protocol::quickDisplayBody(text, "Green", "", "Hold", "", "Top")));
    }
}
BENCHMARK(BM_QuickDisplayPacket)->Arg(16)->Arg(1024);

void BM_MemoryLayoutPacket(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ztk::protocol::framePacket(0, "00", ztk::protocol::memoryConfigurationCommand(32)));
    }
}
BENCHMARK(BM_MemoryLayoutPacket);

void BM_BoardMemoryPause(benchmark::State& state) {
    ztk::PauseTimer timer;
    for (auto _ : state)
        timer.pause(2000);
}
BENCHMARK(BM_BoardMemoryPause)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
