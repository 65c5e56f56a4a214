// SPDX-License-Identifier: MIT
#pragma once
// The enlarged dot-matrix image of the sign: 8-bit palette indices, LED (x, y) drawn as a
// round dot of zoom x zoom pixels in the cell of (zoom + 1) x (zoom + 1) pixels starting at
// (x * (zoom + 1), y * (zoom + 1)); the rest of the cell stays black, so a one-pixel gap
// separates the dots. Zoom 0 draws each LED as one pixel, zoom 1 as one pixel in a 2 x 2
// cell. It also keeps which palette index each LED shows, so tools can dump the LEDs
// without reading pixels back.

#include <array>
#include <cstdint>
#include <vector>

#include "simcore/ledbitmap.h"
#include "simcore/palette.h"
#include "simcore/presentsink.h"

namespace ztk::sim {

// One row of a dot: pixels [start, end) of the cell's row are lit.
struct DotSpan {
    int start = 0;
    int end = 0;
    friend bool operator==(const DotSpan&, const DotSpan&) = default;
};

// The rows of a dot at `zoom`: zoom + 1 spans (pitch rows), the last always empty (the gap);
// for zoom 0 a single span [0, 1).
std::vector<DotSpan> dotSpans(int zoom);

inline constexpr int kMaxZoom = 15;
// Largest screen image; a bigger zoom is reduced until the image fits.
inline constexpr long long kMaxScreenBytes = 256ll << 20;

enum class ShiftDirection { Left, Right, Up, Down };

// A move of the LEDs of `area` by `n` LEDs in `direction`.
struct AreaShift {
    LedRect area;
    ShiftDirection direction = ShiftDirection::Left;
    int n = 0;
};

class ScreenBitmap {
  public:
    // A black image for `columns` x `rows` LEDs at `zoom` (clamped to 0..kMaxZoom and reduced
    // until the image fits kMaxScreenBytes) for a sign of `colors` colours.
    ScreenBitmap(int columns, int rows, int zoom, int colors);

    // The zoom a screen of `columns` x `rows` LEDs gets when `zoom` is asked for.
    static int fittingZoom(int columns, int rows, int zoom);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int zoom() const { return zoom_; }
    int pitch() const { return zoom_ + 1; }
    // Pixels: (columns rounded up to 8) x pitch by rows x pitch.
    int width() const { return width_; }
    int height() const { return height_; }
    int bytesPerLine() const { return width_; }
    const std::uint8_t* pixels() const { return pixels_.data(); }
    const std::uint8_t* scanLine(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }

    // The palette index LED (x, y) shows; black (0) until it is first painted.
    std::uint8_t led(int x, int y) const { return leds_.contains(x, y) ? leds_.at(x, y) : 0; }
    // What every LED shows, one index per LED.
    const LedBitmap& leds() const { return leds_; }

    // Paints LED (x, y) with `index`; outside the sign it is ignored.
    void paint(int x, int y, std::uint8_t index);
    // Paints `count` LEDs of row y from column x with indices[0 .. count), clipped.
    void paintRow(int x, int y, const std::uint8_t* indices, int count);
    // Paints every LED of `from` (a region of `src`) at LED position (x, y), clipped.
    void copyBlock(const LedBitmap& src, const LedRect& from, int x, int y);
    // Moves the LEDs of `area` by `n` LEDs in `direction`; the LEDs it uncovers keep what they
    // showed. n <= 0 does nothing.
    void shift(const LedRect& area, ShiftDirection direction, int n);
    // Does every shift of `shifts` (areas that do not overlap) at once, as shift() does each:
    // the LEDs are moved in a copy and the rows stamped again whole, so many narrow areas
    // cost about one frame rather than a copy per area and pixel row.
    void shiftAreas(const std::vector<AreaShift>& shifts);

    // The LEDs painted or moved since the last call, as one rectangle (empty when none), and
    // forgets them. Painting an LED with the index it already shows changes nothing and is
    // not counted, so a page laid out again the same costs no repaint.
    LedRect takeChanged();
    // The smallest rectangle holding every LED whose colour differs between tables A and B,
    // empty when no LED flashes: what a flash-phase flip recolours. Kept until LEDs change.
    LedRect flashArea() const;

    // Installs table A (lit) or table B (flashing LEDs dark).
    void setFlashLit(bool lit) { lit_ = lit; }
    bool flashLit() const { return lit_; }
    // The colour table installed now.
    const ColorTable& colorTable() const { return lit_ ? tableA_ : tableB_; }
    const ColorTable& tableA() const { return tableA_; }
    const ColorTable& tableB() const { return tableB_; }

    // The whole image with the installed table, for a sink.
    ScreenView view() const;
    // The pixel rectangle of LED rectangle `area`, clipped to the image.
    PixelRect toPixels(const LedRect& area) const;

  private:
    void stampRow(int x, int y, const std::uint8_t* indices, int count);
    void touch(const LedRect& area);

    int columns_ = 0;
    int rows_ = 0;
    int zoom_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool lit_ = true;
    std::vector<std::uint8_t> pixels_;
    LedBitmap leds_;
    ColorTable tableA_{};
    ColorTable tableB_{};
    // For each pixel row of a cell: the index of its distinct pattern in patterns_, or -1
    // when the row is all black; rows with the same span share one pattern so a stamped
    // scan line is written once and copied.
    std::vector<int> rowPattern_;
    std::vector<DotSpan> patterns_;
    LedRect changed_;
    // flashes_[i]: index i shows differently in the two tables.
    std::array<bool, 256> flashes_{};
    // Every index in flashes_ has the flash bit (so runs without it can be skipped).
    bool flashBitMarksAll_ = true;
    mutable LedRect flashArea_;
    mutable bool flashAreaKnown_ = false;
};

}  // namespace ztk::sim
