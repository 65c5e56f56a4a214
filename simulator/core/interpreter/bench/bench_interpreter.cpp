// SPDX-License-Identifier: MIT
// Interpreter throughput: a new message carrying a 64 KB text file, raw and with every
// control byte bracket-escaped.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "simcore/interpreter.h"

namespace {

constexpr std::size_t kTextBytes = 64 * 1024;

// Text with the usual mix of codes: mode fields, colours, fonts, string-file calls, line
// breaks, between runs of plain words.
std::string messageText() {
    const std::string chunk =
        "\x1b\"b\x1c"
        "2\x1a"
        "3Departures to the north\r\x1c"
        "1Platform \x10 now\r";
    std::string text;
    while (text.size() + chunk.size() <= kTextBytes)
        text += chunk;
    text.append(kTextBytes - text.size(), 'x');
    return text;
}

std::vector<std::uint8_t> rawPacket() {
    const std::string p =
        "\x01\x01\x01\x01\x01\x01Z00\x02"
        "AA" +
        messageText() + "\x04";
    return {p.begin(), p.end()};
}

std::vector<std::uint8_t> bracketPacket() {
    std::string p = "]!]!]!]!]!]!Z00]\"AA";
    for (char c : messageText()) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || c == ']' || c == '_') {
            p += ']';
            p += static_cast<char>(b + 32);
        } else {
            p += c;
        }
    }
    p += "]$";
    return {p.begin(), p.end()};
}

void run(benchmark::State& state, const std::vector<std::uint8_t>& packet) {
    ztk::sim::PacketInterpreter interpreter;
    for (auto _ : state) {
        interpreter.newMessage(packet);
        benchmark::DoNotOptimize(interpreter.currentText().get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(packet.size()));
}

void BM_Interpret64KRaw(benchmark::State& state) {
    run(state, rawPacket());
}
void BM_Interpret64KBracket(benchmark::State& state) {
    run(state, bracketPacket());
}

// Recompiling for a new display model re-reads every stored source.
void BM_Recompile64K(benchmark::State& state) {
    ztk::sim::PacketInterpreter interpreter;
    const auto packet = bracketPacket();
    interpreter.newMessage(packet);
    ztk::sim::DisplayModel model;
    for (auto _ : state) {
        model.rows = model.rows == 24 ? 16 : 24;
        interpreter.setModel(model);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(packet.size()));
}

}  // namespace

BENCHMARK(BM_Interpret64KRaw);
BENCHMARK(BM_Interpret64KBracket);
BENCHMARK(BM_Recompile64K);
