// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the engine tests: framed packets, character sets of known geometry, a recording
// sink, and ways to look at laid-out pages.

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "simcore/displayengine.h"
#include "simcore/interpreter.h"

namespace ztk::sim::test {

// A packet as the control frames it: SOH run, "Z00", STX, `command`, EOT.
std::vector<std::uint8_t> packet(std::string_view command);

// Every font with its real rows, glyph count, cell and spacing, every glyph a 5-wide block
// (6 columns with spacing in fonts 1-8) and the space 2 wide (a blank of 3 columns).
std::span<const std::uint8_t> blockLookup(int number);

// No mode bit by default: automode pages hold, so each page shows whole on its first step.
DisplayModel model(int columns, int rows, int colors = 3, std::uint32_t featureMask = 0x3FF,
                   std::uint32_t modeMask = 0, std::uint32_t fontMask = 0x77);

// Fixed seed, a fixed clock (Saturday 5 January 2002, 13:05), every frame presented.
EngineOptions options(CharsetLookup charsets = &blockLookup);

// Remembers the areas of presented frames; safe from any thread.
class RecordingSink final : public PresentSink {
  public:
    void present(const ScreenView&, const PixelRect& area) override {
        std::lock_guard lock(mutex_);
        areas_.push_back(area);
    }
    std::vector<PixelRect> areas() const {
        std::lock_guard lock(mutex_);
        return areas_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<PixelRect> areas_;
};

// The page's lines joined by "|": a glyph its character, a time/date item its text in
// braces, a picture "#" per shown column.
std::string pageText(const Effect& effect);

// Steps until the page showing is finished; returns the steps it took.
int stepsOfPage(DisplayEngine& engine);

// A sign showing text file "A" = `text` that logs every page laid out (thread-safe) and tells
// `seen` of it too.
struct Sign {
    using PageSeen = std::function<void(const Effect&, int modeCode)>;
    explicit Sign(const DisplayModel& m, const std::string& text = {}, PageSeen seen = {},
                  std::chrono::nanoseconds presentInterval = {});
    // Finishes the page showing, then lays out and shows the next one (which must last more
    // than one step).
    const Effect& page();
    // Texts of the pages laid out so far.
    std::vector<std::string> texts() const;

    PacketInterpreter interpreter;
    RecordingSink sink;
    mutable std::mutex mutex;
    std::vector<std::string> texts_;
    DisplayEngine engine;
};

}  // namespace ztk::sim::test
