// SPDX-License-Identifier: MIT
#pragma once
// PageBuffer: the placed items of one line of a page, with the width bookkeeping that word
// wrapping needs (the running width and the width and item count at the last word break).

#include <cstddef>
#include <vector>

#include "simcore/pageitem.h"

namespace ztk::sim {

class PageBuffer {
  public:
    PageBuffer() = default;
    // An empty line at most `widthLimit` columns wide; an unbounded line takes any width.
    explicit PageBuffer(int widthLimit, bool unbounded = false)
        : widthLimit_(widthLimit), unbounded_(unbounded) {}

    const std::vector<PageItem>& items() const { return items_; }
    std::vector<PageItem>& items() { return items_; }
    bool empty() const { return items_.empty(); }
    std::size_t count() const { return items_.size(); }

    int width() const { return width_; }
    int widthLimit() const { return widthLimit_; }
    bool unbounded() const { return unbounded_; }
    // Columns still free before the limit; never negative, very large when unbounded.
    int freeWidth() const;
    // True when `width` more columns fit on the line.
    bool fits(int width) const { return unbounded_ || width <= freeWidth(); }

    // Appends `item` whatever its width (the caller decides what fits).
    void add(PageItem item);
    // Records the end of the line as it stands as the last word break.
    void markBreak();
    bool hasBreak() const { return hasBreak_; }
    // Drops the items after the last word break; nothing happens without one.
    void cutAtBreak();

    // Rows of the tallest item (0 for an empty line).
    int tallest() const { return tallest_; }
    // The line's height on the page, spacing below included; set when the line is complete.
    int lineHeight() const { return lineHeight_; }
    void setLineHeight(int height) { lineHeight_ = height; }
    // Sum of the items' timing weights.
    int weight() const;

    bool full() const { return full_; }
    void setFull(bool full) { full_ = full; }
    bool centred() const { return centred_; }
    void setCentred(bool centred) { centred_ = centred; }
    bool lastWasBlank() const { return lastWasBlank_; }

  private:
    void recount();

    std::vector<PageItem> items_;
    int widthLimit_ = 0;
    int width_ = 0;
    int tallest_ = 0;
    int lineHeight_ = 0;
    int breakWidth_ = 0;
    std::size_t breakCount_ = 0;
    bool hasBreak_ = false;
    bool full_ = false;
    bool centred_ = true;
    bool unbounded_ = false;
    bool lastWasBlank_ = false;
};

}  // namespace ztk::sim
