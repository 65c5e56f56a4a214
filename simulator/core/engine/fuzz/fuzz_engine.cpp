// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the interpreter as packets, then steps the display engine a few
// hundred times: layout, effects and drawing must stay within their bounds whatever the
// compiled text holds.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "simcore/displayengine.h"
#include "simcore/interpreter.h"

namespace {

using namespace ztk::sim;

void require(bool condition) {
    if (!condition) std::abort();
}

class CheckingSink final : public PresentSink {
  public:
    void present(const ScreenView& screen, const PixelRect& area) override {
        require(area.x >= 0 && area.y >= 0 && area.width > 0 && area.height > 0);
        require(area.x + area.width <= screen.width && area.y + area.height <= screen.height);
    }
};

}  // namespace

// Byte 0 picks the model; byte 1 the number of steps; the rest is split at 0xFE bytes into
// packets: the first is a new message, the others are string-file packets.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t choice = data[0];
    const int steps = 100 + data[1] * 2;
    std::span<const std::uint8_t> rest(data + 2, size - 2);

    static const int kRows[] = {7, 8, 16, 32};
    static const int kColumns[] = {120, 16, 80, 1};
    DisplayModel model;
    model.rows = kRows[choice & 3];
    model.columns = kColumns[(choice >> 2) & 3];
    model.colors = (choice & 16) ? 1 : 3;
    model.featureMask = (choice & 32) ? 0x7FFF : 0x3FF;
    model.fontMask = (choice & 64) ? 0x7F : 0x07;
    model.modeMask = (choice & 128) ? 0x7FFF : 0x0000;
    PacketInterpreter interpreter(model);

    bool first = true;
    while (true) {
        std::size_t split = 0;
        while (split < rest.size() && rest[split] != 0xFE)
            ++split;
        const auto packet = rest.subspan(0, split);
        if (first)
            interpreter.newMessage(packet);
        else
            interpreter.interpretStringPacket(packet);
        first = false;
        if (split >= rest.size()) break;
        rest = rest.subspan(split + 1);
    }

    CheckingSink sink;
    EngineOptions options;
    options.zoom = 1;
    options.seed = choice;
    options.clock = [] { return ClockValue{2024, 12, 31, 2, 23, 59}; };
    options.presentInterval = {};
    DisplayEngine engine(interpreter, model, sink, options);
    for (int i = 0; i < steps; ++i) {
        engine.step();
        if (const Effect* fx = engine.currentEffect()) {
            const LedRect a = fx->area();
            require(a.x >= 0 && a.y >= 0 && a.right() <= model.columns && a.bottom() <= model.rows);
        }
    }
    engine.pause();
    return 0;
}
