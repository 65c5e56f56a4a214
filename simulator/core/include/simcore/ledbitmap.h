// SPDX-License-Identifier: MIT
#pragma once
// LedBitmap: one palette index per LED, rows of a stride rounded up to a multiple of 8.

#include <cstdint>
#include <vector>

namespace ztk::sim {

// A rectangle in LED units.
struct LedRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    // The part of this rectangle inside `other` (empty when they do not meet).
    LedRect intersected(const LedRect& other) const;
    // The smallest rectangle holding both; an empty one adds nothing.
    LedRect united(const LedRect& other) const;
    friend bool operator==(const LedRect&, const LedRect&) = default;
};

// Bounds of a LedBitmap, so that a page laid out from input cannot allocate without limit.
inline constexpr int kMaxLedBitmapColumns = 1 << 20;
inline constexpr int kMaxLedBitmapRows = 1024;
inline constexpr int kMaxLedBitmapBytes = 64 << 20;

class LedBitmap {
  public:
    LedBitmap() = default;
    // A bitmap of `columns` x `rows` LEDs, all off (10). Negative sizes count as 0; sizes are
    // clamped to kMaxLedBitmapColumns / kMaxLedBitmapRows and the rows to what fits in
    // kMaxLedBitmapBytes.
    LedBitmap(int columns, int rows, std::uint8_t fill = 10);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int stride() const { return stride_; }
    LedRect bounds() const { return {0, 0, columns_, rows_}; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < columns_ && y < rows_; }

    // The index at (x, y); off (10) outside the bitmap.
    std::uint8_t at(int x, int y) const {
        return contains(x, y) ? data_[static_cast<std::size_t>(y) * stride_ + x] : 10;
    }
    // Sets (x, y); a position outside the bitmap is ignored.
    void set(int x, int y, std::uint8_t index) {
        if (contains(x, y)) data_[static_cast<std::size_t>(y) * stride_ + x] = index;
    }
    // Row y (0 <= y < rows()), stride() bytes.
    std::uint8_t* row(int y) { return data_.data() + static_cast<std::size_t>(y) * stride_; }
    const std::uint8_t* row(int y) const {
        return data_.data() + static_cast<std::size_t>(y) * stride_;
    }

    // Sets every LED of `area` (clipped to the bitmap) to `index`.
    void fill(const LedRect& area, std::uint8_t index);
    // Switches every LED of `area` (clipped to the bitmap) off.
    void clear(const LedRect& area) { fill(area, 10); }
    // Copies `from` of `src` to (x, y) here, clipped to both bitmaps; `src` may be *this
    // (overlapping regions are copied as if through a temporary).
    void copyFrom(const LedBitmap& src, const LedRect& from, int x, int y);

    friend bool operator==(const LedBitmap&, const LedBitmap&) = default;

  private:
    int columns_ = 0;
    int rows_ = 0;
    int stride_ = 0;
    std::vector<std::uint8_t> data_;
};

}  // namespace ztk::sim
