// SPDX-License-Identifier: MIT
#include "simcore/ledbitmap.h"

#include <algorithm>
#include <cstring>

namespace ztk::sim {

LedRect LedRect::intersected(const LedRect& other) const {
    const int l = std::max(x, other.x);
    const int t = std::max(y, other.y);
    const int r = std::min(right(), other.right());
    const int b = std::min(bottom(), other.bottom());
    if (r <= l || b <= t) return {l, t, 0, 0};
    return {l, t, r - l, b - t};
}

LedRect LedRect::united(const LedRect& other) const {
    if (other.empty()) return *this;
    if (empty()) return other;
    const int l = std::min(x, other.x);
    const int t = std::min(y, other.y);
    return {l, t, std::max(right(), other.right()) - l, std::max(bottom(), other.bottom()) - t};
}

LedBitmap::LedBitmap(int columns, int rows, std::uint8_t fill) {
    columns_ = std::clamp(columns, 0, kMaxLedBitmapColumns);
    stride_ = (columns_ + 7) / 8 * 8;
    rows_ = std::clamp(rows, 0, kMaxLedBitmapRows);
    if (stride_ > 0) rows_ = std::min(rows_, kMaxLedBitmapBytes / stride_);
    if (rows_ == 0) columns_ = stride_ = 0;
    data_.assign(static_cast<std::size_t>(stride_) * rows_, fill);
}

void LedBitmap::fill(const LedRect& area, std::uint8_t index) {
    const LedRect r = area.intersected(bounds());
    for (int y = r.y; y < r.bottom(); ++y)
        std::memset(row(y) + r.x, index, r.width);
}

void LedBitmap::copyFrom(const LedBitmap& src, const LedRect& from, int x, int y) {
    // Clip the source, then the destination, moving both by the same amount.
    LedRect s = from.intersected(src.bounds());
    int dx = x + (s.x - from.x);
    int dy = y + (s.y - from.y);
    const LedRect d = LedRect{dx, dy, s.width, s.height}.intersected(bounds());
    if (d.empty()) return;
    s = {s.x + (d.x - dx), s.y + (d.y - dy), d.width, d.height};
    if (&src == this && d.y > s.y) {
        for (int r = s.height - 1; r >= 0; --r)
            std::memmove(row(d.y + r) + d.x, src.row(s.y + r) + s.x, d.width);
    } else {
        for (int r = 0; r < s.height; ++r)
            std::memmove(row(d.y + r) + d.x, src.row(s.y + r) + s.x, d.width);
    }
}

}  // namespace ztk::sim
