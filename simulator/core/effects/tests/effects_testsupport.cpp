// SPDX-License-Identifier: MIT
#include "effects_testsupport.h"

#include "simcore/leddump.h"

namespace ztk::sim::test {

PageCopy::PageCopy(const Effect& laidOut) {
    for (const PageBuffer& line : laidOut.lines())
        addLine(line);
    setArea(laidOut.area());
    setCentreVertically(laidOut.centreVertically());
    setSign(laidOut.sign());
    setDuration(laidOut.duration());
}

DisplayModel model(int columns, int rows, std::uint32_t featureMask, std::uint32_t fontMask) {
    return {"Test", columns, rows, 3, 0x7FFF, featureMask, fontMask};
}

EffectSign::EffectSign(const DisplayModel& m, const std::string& text) : interpreter_(m) {
    EngineOptions o;
    o.zoom = 0;
    o.seed = 1;
    o.clock = [] { return ClockValue{2002, 1, 5, 6, 13, 5}; };
    o.presentInterval = {};
    o.pageLaidOut = [this](const Effect& fx, int) { page_ = std::make_unique<PageCopy>(fx); };
    engine_ = std::make_unique<DisplayEngine>(interpreter_, m, sink_, o);
    const std::string p = "\001\001\001\001\001Z00\002AA" + text + "\004";
    interpreter_.newMessage(std::vector<std::uint8_t>(p.begin(), p.end()));
}

void EffectSign::step(int n) {
    for (int i = 0; i < n; ++i, ++steps_)
        engine_->step();
}

int EffectSign::finishPage() {
    int steps = 0;
    do {
        step();
        ++steps;
    } while (engine_->currentEffect() && steps < 10'000'000);
    return steps;
}

std::string dump(const LedBitmap& leds, const LedRect& r) {
    std::string out;
    for (int y = r.y; y < r.bottom(); ++y) {
        for (int x = r.x; x < r.right(); ++x)
            out += ledDumpChar(leds.at(x, y), 3);
        out += '\n';
    }
    return out;
}

}  // namespace ztk::sim::test
