// SPDX-License-Identifier: MIT
#include "simcore/screenbitmap.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "simcore/displaymodel.h"

namespace ztk::sim {

namespace {

// Writes `n` cells of P pixels: each cell is its LED's index where `mask` is set, else black.
// P is a compile-time constant so that the inner loop unrolls into a few stores per LED.
template <int P>
void writeCells(std::uint8_t* dst, const std::uint8_t* indices, int n, const std::uint8_t* mask) {
    std::uint8_t m[P];
    std::memcpy(m, mask, P);
    for (int i = 0; i < n; ++i) {
        const std::uint8_t c = indices[i];
        for (int b = 0; b < P; ++b)
            dst[b] = c & m[b];
        dst += P;
    }
}

// The first position where a and b differ, n when they are equal; 8 bytes at a time.
int firstDifference(const std::uint8_t* a, const std::uint8_t* b, int n) {
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t wa;
        std::uint64_t wb;
        std::memcpy(&wa, a + i, 8);
        std::memcpy(&wb, b + i, 8);
        if (wa != wb) break;
    }
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// The last position where a and b differ; they must differ somewhere.
int lastDifference(const std::uint8_t* a, const std::uint8_t* b, int n) {
    int i = n;
    for (; i >= 8; i -= 8) {
        std::uint64_t wa;
        std::uint64_t wb;
        std::memcpy(&wa, a + i - 8, 8);
        std::memcpy(&wb, b + i - 8, 8);
        if (wa != wb) break;
    }
    while (a[i - 1] == b[i - 1])
        --i;
    return i - 1;
}

// Whether one of the 8 LED indices at `leds` has the flash bit.
bool anyFlashBit(const std::uint8_t* leds) {
    std::uint64_t w;
    std::memcpy(&w, leds, 8);
    return (w & 0x8080808080808080ull) != 0;
}

using CellWriter = void (*)(std::uint8_t*, const std::uint8_t*, int, const std::uint8_t*);

template <std::size_t... I>
constexpr std::array<CellWriter, sizeof...(I)> makeWriters(std::index_sequence<I...>) {
    return {&writeCells<static_cast<int>(I) + 1>...};
}

// writers[p - 1] writes cells of pitch p.
constexpr auto kWriters = makeWriters(std::make_index_sequence<kMaxZoom + 1>{});

}  // namespace

int ScreenBitmap::fittingZoom(int columns, int rows, int zoom) {
    const long long padded = (std::clamp(columns, 0, kMaxColumns) + 7) / 8 * 8;
    const long long r = std::clamp(rows, 0, kMaxRows);
    zoom = std::clamp(zoom, 0, kMaxZoom);
    while (zoom > 0 && padded * (zoom + 1) * r * (zoom + 1) > kMaxScreenBytes)
        --zoom;
    return zoom;
}

ScreenBitmap::ScreenBitmap(int columns, int rows, int zoom, int colors)
    : columns_(std::clamp(columns, 0, kMaxColumns)),
      rows_(std::clamp(rows, 0, kMaxRows)),
      zoom_(fittingZoom(columns, rows, zoom)),
      tableA_(colorTableA(colors)),
      tableB_(colorTableB(colors)) {
    const long long padded = (columns_ + 7) / 8 * 8;
    while (zoom_ > 0 && padded * (zoom_ + 1) * rows_ * (zoom_ + 1) > kMaxScreenBytes)
        --zoom_;
    const int p = zoom_ + 1;
    width_ = static_cast<int>(padded) * p;
    height_ = rows_ * p;
    pixels_.assign(static_cast<std::size_t>(width_) * height_, kLedBlack);
    leds_ = LedBitmap(columns_, rows_, kLedBlack);

    for (std::size_t i = 0; i < flashes_.size(); ++i) {
        flashes_[i] = tableA_[i] != tableB_[i];
        if (flashes_[i] && (i & kLedFlash) == 0) flashBitMarksAll_ = false;
    }

    const std::vector<DotSpan> spans = dotSpans(zoom_);
    for (const DotSpan& s : spans) {
        if (s.end <= s.start) {
            rowPattern_.push_back(-1);
            continue;
        }
        auto it = std::find(patterns_.begin(), patterns_.end(), s);
        if (it == patterns_.end()) it = patterns_.insert(patterns_.end(), s);
        rowPattern_.push_back(static_cast<int>(it - patterns_.begin()));
    }
}

void ScreenBitmap::touch(const LedRect& area) {
    changed_ = changed_.united(area);
    flashAreaKnown_ = false;
}

LedRect ScreenBitmap::takeChanged() {
    const LedRect changed = changed_;
    changed_ = {};
    return changed;
}

LedRect ScreenBitmap::flashArea() const {
    if (flashAreaKnown_) return flashArea_;
    int left = columns_;
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < rows_; ++y) {
        const std::uint8_t* row = leds_.row(y);
        // When every flashing index has the flash bit, runs of 8 LEDs without it are skipped
        // whole.
        int first = 0;
        while (first < columns_) {
            if (flashBitMarksAll_ && first + 8 <= columns_ && !anyFlashBit(row + first)) {
                first += 8;
                continue;
            }
            if (flashes_[row[first]]) break;
            ++first;
        }
        if (first >= columns_) continue;
        int last = columns_ - 1;
        while (!flashes_[row[last]])
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        if (top < 0) top = y;
        bottom = y;
    }
    flashArea_ = top < 0 ? LedRect{} : LedRect{left, top, right - left + 1, bottom - top + 1};
    flashAreaKnown_ = true;
    return flashArea_;
}

void ScreenBitmap::stampRow(int x, int y, const std::uint8_t* indices, int count) {
    // Only the LEDs from the first to the last that show something else are stamped.
    std::uint8_t* leds = leds_.row(y) + x;
    const int first = firstDifference(leds, indices, count);
    if (first == count) return;
    const int last = lastDifference(leds, indices, count);
    x += first;
    indices += first;
    count = last - first + 1;
    touch({x, y, count, 1});
    std::memcpy(leds_.row(y) + x, indices, count);
    const int p = pitch();
    const std::size_t bytes = static_cast<std::size_t>(count) * p;
    std::uint8_t* cellRow = pixels_.data() + static_cast<std::size_t>(y) * p * width_ + x * p;
    // The first pixel row of each pattern is stamped, the others with the same pattern copied.
    std::array<std::uint8_t*, kMaxZoom + 1> stamped{};
    for (int r = 0; r < p; ++r) {
        std::uint8_t* dst = cellRow + static_cast<std::size_t>(r) * width_;
        const int pattern = rowPattern_[r];
        if (pattern < 0) {
            std::memset(dst, kLedBlack, bytes);
        } else if (stamped[pattern]) {
            std::memcpy(dst, stamped[pattern], bytes);
        } else {
            std::uint8_t mask[kMaxZoom + 1] = {};
            std::fill(mask + patterns_[pattern].start, mask + patterns_[pattern].end, 0xFF);
            kWriters[p - 1](dst, indices, count, mask);
            stamped[pattern] = dst;
        }
    }
}

void ScreenBitmap::paint(int x, int y, std::uint8_t index) {
    if (leds_.contains(x, y)) stampRow(x, y, &index, 1);
}

void ScreenBitmap::paintRow(int x, int y, const std::uint8_t* indices, int count) {
    if (y < 0 || y >= rows_ || count <= 0) return;
    if (x < 0) {
        indices -= x;
        count += x;
        x = 0;
    }
    count = std::min(count, columns_ - x);
    if (count > 0) stampRow(x, y, indices, count);
}

void ScreenBitmap::copyBlock(const LedBitmap& src, const LedRect& from, int x, int y) {
    LedRect s = from.intersected(src.bounds());
    const int dx = x + (s.x - from.x);
    const int dy = y + (s.y - from.y);
    const LedRect d = LedRect{dx, dy, s.width, s.height}.intersected(leds_.bounds());
    if (d.empty()) return;
    s.x += d.x - dx;
    s.y += d.y - dy;
    for (int r = 0; r < d.height; ++r)
        stampRow(d.x, d.y + r, src.row(s.y + r) + s.x, d.width);
}

void ScreenBitmap::shift(const LedRect& area, ShiftDirection direction, int n) {
    const LedRect a = area.intersected(leds_.bounds());
    if (a.empty() || n <= 0) return;
    const int p = pitch();
    const bool horizontal = direction == ShiftDirection::Left || direction == ShiftDirection::Right;
    if (n >= (horizontal ? a.width : a.height)) return;  // everything moves out: nothing to move

    // Only rows that come out different are copied and count as changed: the blank rows
    // above and below a moving text stay as they are.
    int firstRow = -1;
    int lastRow = -1;
    if (horizontal) {
        const int from = direction == ShiftDirection::Left ? a.x + n : a.x;
        const int to = direction == ShiftDirection::Left ? a.x : a.x + n;
        const int count = a.width - n;
        for (int y = a.y; y < a.bottom(); ++y) {
            if (std::memcmp(leds_.row(y) + to, leds_.row(y) + from, count) == 0) continue;
            if (firstRow < 0) firstRow = y;
            lastRow = y;
            std::memmove(leds_.row(y) + to, leds_.row(y) + from, count);
            for (int r = 0; r < p; ++r) {
                std::uint8_t* line =
                    pixels_.data() + (static_cast<std::size_t>(y) * p + r) * width_;
                std::memmove(line + to * p, line + from * p, static_cast<std::size_t>(count) * p);
            }
        }
    } else {
        // Vertical: copy whole LED rows in an order that reads each row before it is
        // overwritten.
        const bool up = direction == ShiftDirection::Up;
        const int moved = a.height - n;
        for (int i = 0; i < moved; ++i) {
            const int to = up ? a.y + i : a.bottom() - 1 - i;
            const int from = up ? to + n : to - n;
            if (std::memcmp(leds_.row(to) + a.x, leds_.row(from) + a.x, a.width) == 0) continue;
            firstRow = firstRow < 0 ? to : std::min(firstRow, to);
            lastRow = std::max(lastRow, to);
            std::memcpy(leds_.row(to) + a.x, leds_.row(from) + a.x, a.width);
            for (int r = 0; r < p; ++r) {
                std::uint8_t* dst =
                    pixels_.data() + (static_cast<std::size_t>(to) * p + r) * width_;
                const std::uint8_t* src =
                    pixels_.data() + (static_cast<std::size_t>(from) * p + r) * width_;
                std::memcpy(dst + a.x * p, src + a.x * p, static_cast<std::size_t>(a.width) * p);
            }
        }
    }
    if (firstRow >= 0) touch({a.x, firstRow, a.width, lastRow - firstRow + 1});
}

void ScreenBitmap::shiftAreas(const std::vector<AreaShift>& shifts) {
    LedRect all;
    for (const AreaShift& s : shifts)
        if (s.n > 0) all = all.united(s.area.intersected(leds_.bounds()));
    if (all.empty()) return;
    LedBitmap moved(all.width, all.height);
    moved.copyFrom(leds_, all, 0, 0);
    for (const AreaShift& s : shifts) {
        const LedRect a = s.area.intersected(leds_.bounds());
        const int n = s.n;
        if (a.empty() || n <= 0) continue;
        const int x = a.x - all.x;
        const int y = a.y - all.y;
        // The areas do not overlap, so each reads what the screen shows now.
        switch (s.direction) {
            case ShiftDirection::Left:
                if (n < a.width) moved.copyFrom(leds_, {a.x + n, a.y, a.width - n, a.height}, x, y);
                break;
            case ShiftDirection::Right:
                if (n < a.width) moved.copyFrom(leds_, {a.x, a.y, a.width - n, a.height}, x + n, y);
                break;
            case ShiftDirection::Up:
                if (n < a.height)
                    moved.copyFrom(leds_, {a.x, a.y + n, a.width, a.height - n}, x, y);
                break;
            case ShiftDirection::Down:
                if (n < a.height)
                    moved.copyFrom(leds_, {a.x, a.y, a.width, a.height - n}, x, y + n);
                break;
        }
    }
    for (int r = 0; r < all.height; ++r)
        stampRow(all.x, all.y + r, moved.row(r), all.width);
}

ScreenView ScreenBitmap::view() const {
    return {pixels_.data(), width_, height_, width_, &colorTable()};
}

PixelRect ScreenBitmap::toPixels(const LedRect& area) const {
    const LedRect a = area.intersected(leds_.bounds());
    if (a.empty()) return {};
    const int p = pitch();
    return {a.x * p, a.y * p, a.width * p, a.height * p};
}

}  // namespace ztk::sim
