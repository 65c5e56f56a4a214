// SPDX-License-Identifier: MIT
#pragma once
// Effect: one page on the sign, shown with one display mode. The engine lays a page out
// into an Effect (its lines, its area, its duration) and steps it every 10 ms until step()
// returns 0. A display mode is a subclass that overrides step(); it draws only through the
// LED surface and bitmaps of its own, for which the helpers below render the page.

#include <algorithm>
#include <vector>

#include "simcore/ledbitmap.h"
#include "simcore/ledsurface.h"
#include "simcore/pagebuffer.h"
#include "simcore/signtraits.h"

namespace ztk::sim {

// Steps a page holds when its first line is empty.
inline constexpr int kEmptyPageSteps = 25;

class Effect {
  public:
    virtual ~Effect() = default;
    Effect() = default;
    Effect(const Effect&) = delete;
    Effect& operator=(const Effect&) = delete;

    // True while no line has been added.
    virtual bool isEmpty() const { return lines_.empty(); }
    // Columns of the widest line.
    virtual int contentWidth() const;
    // Rows of all lines together, spacing included.
    virtual int contentHeight() const;
    // Draws the next frame into the area of `surface`; returns the steps still to go, 0 when
    // the page is finished.
    virtual int step(LedSurface& surface) = 0;
    // Steps from the next one on that only hold the page (tick the flash phase and count):
    // they paint no LED, so the engine may run them late, together. 0 when the next step
    // may draw.
    virtual int quietSteps() const { return 0; }
    // Timing weight: the items' weights, plus the area width rounded up to a multiple of 8
    // divided by the area height, plus 3; 0 when the items weigh nothing.
    virtual int weight() const;
    // Area width minus content width.
    virtual int freeWidth() const { return area_.width - contentWidth(); }
    // Appends a finished line.
    virtual void addLine(PageBuffer line);
    // Called once when the page is complete and its duration set: a mode that needs a
    // duration of its own adjusts it here.
    virtual void pageComplete() {}

    const std::vector<PageBuffer>& lines() const { return lines_; }
    // Sum of the widths of all lines.
    int totalWidth() const { return totalWidth_; }

    // The page's area in LEDs.
    const LedRect& area() const { return area_; }
    void setArea(const LedRect& area) { area_ = area; }
    bool centreVertically() const { return centreVertically_; }
    void setCentreVertically(bool centre) { centreVertically_ = centre; }

    // The sign the page is shown on (size, colours, fixed line height).
    const SignTraits& sign() const { return sign_; }
    void setSign(const SignTraits& sign) { sign_ = sign; }

    // Steps the page lasts; 0 until set.
    int duration() const { return duration_; }
    void setDuration(int steps) { duration_ = steps < 0 ? 0 : steps; }
    int stepsDone() const { return stepsDone_; }
    bool finished() const { return finished_; }

  protected:
    // True when there is no line or the first line has no item.
    bool firstLineEmpty() const;
    // The row of the area where the first line starts (vertical centring applied).
    int firstLineTop() const;
    // The column of the area where `line` starts (horizontal centring applied).
    int lineLeft(const PageBuffer& line) const;
    // Draws every line into `dst` as the page shows them, the area's top left at (x, y).
    // Nothing is clipped to the area: draw into an area-sized bitmap to clip.
    void drawPage(LedBitmap& dst, int x, int y) const;
    // The page as it shows in its area: an area-sized bitmap, LEDs off where nothing is lit.
    LedBitmap renderPage() const;
    // Line `index` alone, left-aligned, its own width (at least 1) by its line height.
    LedBitmap renderLine(std::size_t index) const;
    // The page at the width of its widest line (at least 1) by the area's height, centred
    // vertically like the page but every line from column 0: what an unbounded (rotating)
    // page moves through the area.
    LedBitmap renderContent() const;
    // Puts `page` (area-sized) into the canvas at the area and paints it on screen.
    void showPage(LedSurface& surface, const LedBitmap& page) const;

    // Counts one step; returns the steps still to go and sets finished at 0.
    int countStep();
    // One holding step: ticks the flash phase, then counts the step.
    int holdStep(LedSurface& surface);
    // The steps still to go once the page only holds: what quietSteps() is for a page that
    // has drawn itself.
    int holdingStepsLeft() const {
        return stepsDone_ > 0 ? std::max(duration_ - stepsDone_, 0) : 0;
    }

  private:
    std::vector<PageBuffer> lines_;
    int totalWidth_ = 0;
    LedRect area_;
    SignTraits sign_;
    bool centreVertically_ = true;
    int duration_ = 0;
    int stepsDone_ = 0;
    bool finished_ = false;
};

}  // namespace ztk::sim
