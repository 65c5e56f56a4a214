// SPDX-License-Identifier: MIT
#pragma once
// A picture item: a dots picture on a page, with the part still to show. A picture wider than
// the room on a page shows its first part there and the rest on the following pages.

#include <cstdint>
#include <memory>

#include "simcore/ledbitmap.h"
#include "simcore/signcontent.h"

namespace ztk::sim {

class PictureItem {
  public:
    // The whole of `picture` (a null picture is an empty item).
    explicit PictureItem(std::shared_ptr<const DotsPicture> picture);

    // Columns of the picture not yet shown on earlier pages.
    int remaining() const { return remaining_; }
    // First column to show.
    int offset() const { return offset_; }
    // Columns shown on this page (the item's width); at most remaining().
    int width() const { return shown_; }
    void setShownWidth(int width);
    // Rows drawn (the item's height): the picture's height, or fewer when cut.
    int height() const { return height_; }
    void setHeight(int height);
    // (max(height, 8) / 8) x (max(width, 8) / 8).
    int weight() const;

    // Paints the shown part with its bottom row on the last row of a line `lineHeight` rows
    // high starting at (x, y); the first height() picture rows are drawn, clipped to `dst`.
    void draw(LedBitmap& dst, int x, int y, int lineHeight) const;

    // Moves on past the shown part: the offset grows and the remaining width shrinks by the
    // shown width, which becomes what remains. False when nothing remains.
    bool advance();

    const std::shared_ptr<const DotsPicture>& picture() const { return picture_; }

  private:
    std::shared_ptr<const DotsPicture> picture_;
    int offset_ = 0;
    int remaining_ = 0;
    int shown_ = 0;
    int height_ = 0;
};

}  // namespace ztk::sim
