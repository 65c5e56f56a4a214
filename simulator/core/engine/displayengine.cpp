// SPDX-License-Identifier: MIT
#include "simcore/displayengine.h"

#include <algorithm>
#include <chrono>

namespace ztk::sim {

DisplayEngine::DisplayEngine(SignContent& content, const DisplayModel& model, PresentSink& sink,
                             EngineOptions options)
    : options_(std::move(options)),
      surface_(model, options_.zoom),
      fonts_(model.rows, model.featureMask, options_.charsets),
      layout_(content, SignTraits::of(model), fonts_),
      pacer_(sink, options_.presentInterval),
      hour24_(options_.hour24) {
    layout_.setClock(options_.clock);
    layout_.seed(options_.seed.value_or(0));
    clearDisplay();
}

DisplayEngine::~DisplayEngine() {
    stop();
}

void DisplayEngine::onStart() {
    if (!options_.seed) {
        layout_.seed(static_cast<std::uint32_t>(
            std::chrono::system_clock::now().time_since_epoch().count()));
    }
}

void DisplayEngine::onEnd() {
    flushPresent();
}

void DisplayEngine::onPause() {
    layout_.restart();
    effect_.reset();
    surface_.flashTick(true);
    clearDisplay();
    flushPresent();
}

void DisplayEngine::clearDisplay() {
    surface_.clear(surface_.bounds());
    surface_.copyBlock(surface_.bounds());
    surface_.takeChanged();
    // Presented whole even when every LED was off already: the sink learns the display.
    surface_.present(surface_.bounds(), pacer_);
}

void DisplayEngine::flushPresent() {
    pacer_.flush(surface_.screen().view());
}

int DisplayEngine::quietSteps() {
    // A frame still waiting for its hand-over needs the next steps on time.
    if (!effect_ || pacer_.pending()) return 0;
    int quiet = effect_->quietSteps();
    // A flip of the flash phase recolours flashing LEDs: the step that flips is not quiet.
    if (quiet > 0 && !surface_.flashArea().empty())
        quiet = std::min(quiet, surface_.flashCountdown() - 1);
    return std::max(quiet, 0);
}

void DisplayEngine::step() {
    if (!effect_) {
        layout_.setHour24(hour24_.load(std::memory_order_relaxed));
        LaidOutPage page = layout_.nextPage();
        ++pages_;
        modeCode_ = page.modeCode;
        effect_ = std::move(page.effect);
        if (page.clearDisplay) clearDisplay();
        if (options_.pageLaidOut) options_.pageLaidOut(*effect_, modeCode_);
    }
    const bool litBefore = surface_.flashLit();
    const int countdownBefore = surface_.flashCountdown();
    const LedRect area = effect_->area();
    if (effect_->step(surface_) == 0) effect_.reset();
    const bool ticked =
        surface_.flashLit() != litBefore || surface_.flashCountdown() != countdownBefore;
    // The rest of the display keeps its flash phase running at the same rate, ticked once a
    // step whether or not the page's effect ticked it.
    if (area != surface_.bounds() && traits().flashOutside && !ticked) surface_.flashTick();
    present(surface_.flashLit() != litBefore);
}

void DisplayEngine::present(bool flashFlipped) {
    // What the step painted or moved, and where a flip of the flash phase recolours LEDs:
    // nothing at all for a held step without flashing LEDs. The pacer hears of every step,
    // so that a frame it holds back is handed over once its interval has passed.
    LedRect changed = surface_.takeChanged();
    if (flashFlipped) changed = changed.united(surface_.flashArea());
    const ScreenBitmap& screen = surface_.screen();
    pacer_.present(screen.view(), screen.toPixels(changed));
}

}  // namespace ztk::sim
