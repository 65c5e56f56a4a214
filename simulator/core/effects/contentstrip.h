// SPDX-License-Identifier: MIT
#pragma once
// ContentStrip: the lines of a rotating page drawn a few hundred columns at a time, as the
// page moves through the area, so a long text never needs a bitmap of its whole width and
// the first step does not pay for drawing all of it.

#include <cstddef>
#include <vector>

#include "simcore/ledbitmap.h"
#include "simcore/pagebuffer.h"

namespace ztk::sim {

class ContentStrip {
  public:
    // The lines from column 0, the first with its top at row `top` of a strip `rows` high;
    // `lines` must outlive the strip.
    ContentStrip(const std::vector<PageBuffer>& lines, int top, int rows, int chunkColumns = 256);

    // Column `x` of the content, `rows` LEDs (off past the content's end). Columns are
    // cheapest when asked for in rising order.
    struct Column {
        const LedBitmap* bitmap;
        int x;  // the column's x in *bitmap
    };
    Column column(int x);

  private:
    struct Cursor {
        std::size_t item = 0;  // first item that may reach into the chunk
        int x = 0;             // column where that item starts
        int top = 0;
    };
    void render(int start);

    const std::vector<PageBuffer>& lines_;
    std::vector<Cursor> cursors_;
    LedBitmap chunk_;
    int top_;
    int start_ = -1;
};

}  // namespace ztk::sim
