// SPDX-License-Identifier: MIT
#pragma once
// A PresentSink in front of another that passes frames on at the display rate, not once per
// engine step (a frame goes out once an interval has passed since the one before it began
// to change): the areas presented in between are gathered into one dirty rectangle and
// handed over together.

#include <chrono>
#include <functional>
#include <optional>

#include "simcore/presentsink.h"

namespace ztk::sim {

// The display rate frames are passed on at: 60 a second.
inline constexpr std::chrono::microseconds kDisplayFrameInterval{16667};

class PresentPacer final : public PresentSink {
  public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    // Passes frames to `target` at the rate of `interval` (0: every frame), reading the
    // time from `now`.
    PresentPacer(PresentSink& target, Clock::duration interval, Now now = &Clock::now);

    // Adds `area` to the dirty area and hands the dirty area to the target when `interval`
    // has passed since the frame handed over last began to change.
    void present(const ScreenView& screen, const PixelRect& area) override;
    // Hands the dirty area, if any, to the target now.
    void flush(const ScreenView& screen);

    bool pending() const { return dirty_.has_value(); }
    void setInterval(Clock::duration interval) { interval_ = interval; }

  private:
    void handOver(const ScreenView& screen);

    PresentSink& target_;
    Clock::duration interval_;
    Now now_;
    std::optional<PixelRect> dirty_;
    std::optional<Clock::time_point> last_;
    Clock::time_point dirtySince_{};
};

}  // namespace ztk::sim
