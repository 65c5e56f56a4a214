#pragma once
// Helpers of the engine tests: framed packets, character sets of known geometry, a recording
// sink, and ways to look at laid-out pages.

#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "simcore/displayengine.h"
#include "simcore/interpreter.h"

namespace ztk::sim::test {

// A packet as the control frames it: SOH run, "Z00", STX, `command`, EOT, and the zero byte
// the hand-over appends.
std::vector<std::uint8_t> packet(std::string_view command);

// Character sets with every font's real rows, glyph counts, cells and spacings, where every
// glyph is a 5-wide block (6 columns with spacing; 7 and 4 in fonts 9-12) and the space is 2
// wide (a blank of 3 columns).
std::span<const std::uint8_t> blockLookup(int number);

// A model line's worth of settings.
DisplayModel model(int columns, int rows, int colors = 3, std::uint32_t featureMask = 0x3FF,
                   std::uint32_t modeMask = 0x3FFF, std::uint32_t fontMask = 0x77);

// Fixed seed, a fixed clock (Saturday 5 January 2002, 13:05), every frame presented, and
// the given character sets.
EngineOptions options(CharsetLookup charsets = &blockLookup);

// Counts presented frames and remembers their areas; safe from any thread.
class RecordingSink final : public PresentSink {
  public:
    void present(const ScreenView& screen, const PixelRect& area) override;
    int count() const;
    std::vector<PixelRect> areas() const;

  private:
    mutable std::mutex mutex_;
    std::vector<PixelRect> areas_;
};

// The page's lines as text joined by "|": each glyph its character, a time/date item its text
// in braces, a picture "#" per shown column.
std::string pageText(const Effect& effect);

// Steps `engine` until the page now showing is finished and the next one laid out; returns
// the steps the page took (at most `limit`).
int stepsOfPage(DisplayEngine& engine, int limit = 100000);

// A sign that shows `text` (the contents of text file "A").
struct Sign {
    using PageSeen = std::function<void(const Effect&, int modeCode)>;
    explicit Sign(const DisplayModel& m, const std::string& text = {}, PageSeen seen = {},
                  CharsetLookup charsets = &blockLookup);
    PacketInterpreter interpreter;
    RecordingSink sink;
    DisplayEngine engine;
};

}  // namespace ztk::sim::test
