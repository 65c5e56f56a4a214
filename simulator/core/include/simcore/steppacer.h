// SPDX-License-Identifier: MIT
#pragma once
// Deadlines for a loop that must run at a fixed rate without drifting: each deadline is
// the previous one plus the period, however long the steps took. After a stall the loop
// catches up by at most a few steps instead of running every missed step in one burst.

#include <chrono>

namespace ztk::sim {

class StepPacer {
  public:
    using Clock = std::chrono::steady_clock;

    explicit StepPacer(Clock::duration period, int maxCatchUp = 3)
        : period_(period), maxCatchUp_(maxCatchUp < 0 ? 0 : maxCatchUp) {}

    // The first deadline is one period after `now`.
    void reset(Clock::time_point now) { deadline_ = now + period_; }
    // When the next step is due.
    Clock::time_point deadline() const { return deadline_; }
    // A step ran and finished at `now`: the next deadline is one period later than the last,
    // but never more than maxCatchUp periods behind `now`.
    void stepped(Clock::time_point now);

    Clock::duration period() const { return period_; }

  private:
    Clock::duration period_;
    int maxCatchUp_;
    Clock::time_point deadline_{};
};

}  // namespace ztk::sim
