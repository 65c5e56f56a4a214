// SPDX-License-Identifier: MIT
#pragma once
// DisplayEngine: runs a simulated sign. Every step (10 ms on its thread) it lays out the next
// page when none is showing, steps the page's Effect, and presents what changed. It reads the
// interpreter's stores only through SignContent. Tests step it directly, without the thread,
// with a fixed seed and clock.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "simcore/displaymodel.h"
#include "simcore/effect.h"
#include "simcore/ledfont.h"
#include "simcore/ledsurface.h"
#include "simcore/pagelayout.h"
#include "simcore/presentpacer.h"
#include "simcore/signcontent.h"
#include "simcore/workerthread.h"

namespace ztk::sim {

struct EngineOptions {
    int zoom = 5;
    // Seed of the random choices (autocolour); without one, start() seeds from the time.
    std::optional<std::uint32_t> seed;
    // The clock time/date items read; null: the local time.
    ClockSource clock;
    bool hour24 = false;
    CharsetLookup charsets = &charsetResource;
    // Frames reach the sink at most once per interval; 0 passes every step's frame on.
    std::chrono::steady_clock::duration presentInterval = kDisplayFrameInterval;
    // Told of every page as soon as it is laid out (on the engine's thread).
    std::function<void(const Effect&, int modeCode)> pageLaidOut;
};

class DisplayEngine final : public WorkerThread {
  public:
    // An engine for `model` that shows `content` and presents to `sink`; both must outlive
    // it. The display starts with every LED off.
    DisplayEngine(SignContent& content, const DisplayModel& model, PresentSink& sink,
                  EngineOptions options = {});
    ~DisplayEngine() override;

    // One step: lay out the next page if none is showing, step its Effect, present.
    void step() override;
    // Steps after this one that only hold the page and flip no visible flash phase: the
    // thread runs them late, in one go, so a still display wakes it a few times a second.
    int quietSteps() override;
    // Hands anything presented but not yet passed on to the sink now.
    void flushPresent();

    // The 24-hour clock for time items laid out from now on; safe from any thread.
    void setHour24(bool on) { hour24_ = on; }

    // Read these only while the engine is not running on its thread (or is paused).
    const LedSurface& surface() const { return surface_; }
    const Effect* currentEffect() const { return effect_.get(); }
    // Mode code of the page showing (after automode and overflow into rotate).
    int currentModeCode() const { return modeCode_; }
    int topHeight() const { return layout_.topHeight(); }
    // Pages laid out since the engine was made.
    long long pagesLaidOut() const { return pages_; }
    const SignTraits& traits() const { return layout_.traits(); }

  protected:
    void onStart() override;
    void onEnd() override;
    // Forgets the text being read and the page showing, gives the top area the whole display
    // again, lights flashing LEDs, switches every LED off and presents the display.
    void onPause() override;

  private:
    void clearDisplay();
    // Presents what the step changed.
    void present(bool flashFlipped);

    EngineOptions options_;
    LedSurface surface_;
    LedFonts fonts_;
    PageLayout layout_;
    PresentPacer pacer_;
    std::unique_ptr<Effect> effect_;
    int modeCode_ = 0;
    long long pages_ = 0;
    std::atomic<bool> hour24_;
};

}  // namespace ztk::sim
