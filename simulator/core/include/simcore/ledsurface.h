// SPDX-License-Identifier: MIT
#pragma once
// The LED surface that the display engine and the display effects draw through: a LedBitmap
// of the whole sign to lay pages out in, the screen bitmap, and the flash phase. Effects keep
// any further bitmaps of their own and bring them on screen with copyBlock.

#include <cstdint>
#include <vector>

#include "simcore/displaymodel.h"
#include "simcore/ledbitmap.h"
#include "simcore/presentsink.h"
#include "simcore/screenbitmap.h"

namespace ztk::sim {

// Steps per flash phase: flashing LEDs are lit for 25 steps and dark for 25.
inline constexpr int kFlashPhaseSteps = 25;

class LedSurface {
  public:
    LedSurface(int columns, int rows, int zoom, int colors);
    LedSurface(const DisplayModel& model, int zoom);

    int columns() const { return screen_.columns(); }
    int rows() const { return screen_.rows(); }
    int colors() const { return colors_; }
    int pitch() const { return screen_.pitch(); }
    LedRect bounds() const { return {0, 0, columns(), rows()}; }

    // The sign-sized bitmap pages are drawn into before they are copied to the screen.
    LedBitmap& canvas() { return canvas_; }
    const LedBitmap& canvas() const { return canvas_; }
    // Switches `area` of the canvas off.
    void clear(const LedRect& area) { canvas_.clear(area); }

    // Paints `area` of the canvas onto the same LEDs of the screen.
    void copyBlock(const LedRect& area) { screen_.copyBlock(canvas_, area, area.x, area.y); }
    // Paints `from` of `src` onto the screen with its top left LED at (x, y).
    void copyBlock(const LedBitmap& src, const LedRect& from, int x, int y) {
        screen_.copyBlock(src, from, x, y);
    }
    // Moves the screen's LEDs of `area` by n LEDs; the uncovered LEDs keep their content.
    void shift(const LedRect& area, ShiftDirection direction, int n) {
        screen_.shift(area, direction, n);
    }
    // Does all of `shifts` (areas that do not overlap) at once.
    void shiftAreas(const std::vector<AreaShift>& shifts) { screen_.shiftAreas(shifts); }

    // One flash step: the counter goes down and at 0 the phase flips and the counter
    // restarts at `count`. With `reset` the flashing LEDs are lit at once and the counter
    // restarts at `count`.
    void flashTick(bool reset = false, int count = kFlashPhaseSteps);
    bool flashLit() const { return screen_.flashLit(); }
    // Ticks left in the current phase.
    int flashCountdown() const { return flashCountdown_; }

    // The screen's LEDs painted or moved since the last call (see ScreenBitmap::takeChanged).
    LedRect takeChanged() { return screen_.takeChanged(); }
    // Where the screen holds flashing LEDs: what a flash-phase flip recolours.
    LedRect flashArea() const { return screen_.flashArea(); }

    // Hands `area` (in LEDs) of the screen to `sink` with the colour table of the current
    // flash phase. Presenting does not change the phase, so flashing LEDs stay dark for the
    // whole dark phase however often the screen is presented.
    void present(const LedRect& area, PresentSink& sink) const;

    const ScreenBitmap& screen() const { return screen_; }

  private:
    int colors_;
    LedBitmap canvas_;
    ScreenBitmap screen_;
    int flashCountdown_ = kFlashPhaseSteps;
};

}  // namespace ztk::sim
