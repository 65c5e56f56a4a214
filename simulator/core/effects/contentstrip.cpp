// SPDX-License-Identifier: MIT
#include "contentstrip.h"

#include <algorithm>

namespace ztk::sim {

ContentStrip::ContentStrip(const std::vector<PageBuffer>& lines, int top, int rows,
                           int chunkColumns)
    : lines_(lines), chunk_(std::max(chunkColumns, 1), std::max(rows, 1)), top_(top) {}

ContentStrip::Column ContentStrip::column(int x) {
    const int width = chunk_.columns();
    if (start_ < 0 || x < start_ || x >= start_ + width) render(x - x % width);
    return {&chunk_, x - start_};
}

void ContentStrip::render(int start) {
    if (start < start_ || cursors_.empty()) {
        // First chunk, or going back: walk the lines from their beginning.
        cursors_.assign(lines_.size(), Cursor{});
        int top = top_;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            cursors_[i].top = top;
            top += lines_[i].lineHeight();
        }
    }
    start_ = start;
    chunk_.clear(chunk_.bounds());
    const int end = start + chunk_.columns();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::vector<PageItem>& items = lines_[i].items();
        Cursor& c = cursors_[i];
        // Skip the items that end before the chunk; they are never drawn again.
        while (c.item < items.size() && c.x + itemWidth(items[c.item]) <= start) {
            c.x += itemWidth(items[c.item]);
            ++c.item;
        }
        const int textRows = std::max(lines_[i].lineHeight() - 1, 0);
        int x = c.x;
        for (std::size_t k = c.item; k < items.size() && x < end; ++k) {
            drawItem(items[k], chunk_, x - start, c.top, textRows);
            x += itemWidth(items[k]);
        }
    }
}

}  // namespace ztk::sim
