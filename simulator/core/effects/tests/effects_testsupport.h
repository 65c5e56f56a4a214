// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the effect tests: a sign stepped by hand that keeps a copy of each page laid
// out, so a test can draw the page the way hold shows it, and LED dumps of regions.

#include <memory>
#include <string>

#include "simcore/displayengine.h"
#include "simcore/interpreter.h"

namespace ztk::sim::test {

// A laid-out page kept apart from its effect, drawn as hold draws it.
class PageCopy final : public Effect {
  public:
    explicit PageCopy(const Effect& laidOut);
    int step(LedSurface&) override { return 0; }
    // The page as it shows in its area.
    LedBitmap page() const { return renderPage(); }
    // An unbounded page at its own width.
    LedBitmap content() const { return renderContent(); }
};

// Every mode bit, a three-colour sign with the usual features and fonts.
DisplayModel model(int columns, int rows, std::uint32_t featureMask = 0x3FF,
                   std::uint32_t fontMask = 0x77);

// A sign showing text file "A" = `text` with the shipped character sets, a fixed seed and
// clock, stepped only by the test.
class EffectSign {
  public:
    EffectSign(const DisplayModel& m, const std::string& text);

    void step(int n = 1);
    // Steps until `total` steps have been taken since the sign started.
    void stepTo(int total) { step(total - steps_); }
    // Steps taken since the sign started.
    int steps() const { return steps_; }
    // Steps until the page showing ends; returns the steps taken.
    int finishPage();
    // The LEDs the screen shows now.
    const LedBitmap& shown() const { return engine_->surface().screen().leds(); }
    // The page laid out last.
    const PageCopy& page() const { return *page_; }
    DisplayEngine& engine() { return *engine_; }

  private:
    class NullSink final : public PresentSink {
        void present(const ScreenView&, const PixelRect&) override {}
    };
    PacketInterpreter interpreter_;
    NullSink sink_;
    std::unique_ptr<PageCopy> page_;
    std::unique_ptr<DisplayEngine> engine_;
    int steps_ = 0;
};

// Region `r` of `leds` (all of it by default) as text, one character per LED as
// `orvexsim-render --leds` writes it, rows separated by line feeds.
std::string dump(const LedBitmap& leds, const LedRect& r);
inline std::string dump(const LedBitmap& leds) {
    return dump(leds, leds.bounds());
}

}  // namespace ztk::sim::test
