// SPDX-License-Identifier: MIT
#include "simcore/displayengine.h"

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
    surface_.present(surface_.bounds(), pacer_);
}

void DisplayEngine::flushPresent() {
    pacer_.flush(surface_.screen().view());
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
    present(area, ticked);
}

void DisplayEngine::present(const LedRect& area, bool flashTicked) {
    surface_.present(area, pacer_);
    const LedRect whole = surface_.bounds();
    if (area == whole) return;
    // The rest of the display keeps its flash phase running at the same rate, ticked once a
    // step whether or not the page's effect ticked it.
    if (traits().flashOutside && !flashTicked) surface_.flashTick();
    const LedRect clipped = area.intersected(whole);
    if (clipped.empty()) {
        surface_.present(whole, pacer_);
        return;
    }
    // The bands above and below the area, and the parts left and right of it.
    surface_.present({0, 0, whole.width, clipped.y}, pacer_);
    surface_.present({0, clipped.bottom(), whole.width, whole.height - clipped.bottom()}, pacer_);
    surface_.present({0, clipped.y, clipped.x, clipped.height}, pacer_);
    surface_.present({clipped.right(), clipped.y, whole.width - clipped.right(), clipped.height},
                     pacer_);
}

}  // namespace ztk::sim
