// SPDX-License-Identifier: MIT
#include "simcore/effects/starbursteffect.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "ledframe.h"

namespace ztk::sim {

namespace {

// Steps of one cell's visit: the burst, then the page.
constexpr int kVisitSteps = 12;

// One character per LED: "." off, "R" red, "G" green.
constexpr std::array<std::string_view, 15> kLargeBurst = {
    ".R...G....G...R.", ".RR...G..G...RR.", "..RR...GG...RR..", "...RR..GG..RR...",
    "....RR....RR....", ".R...R....R...R.", "..R..........R..", "...RRRRRRRRRR...",
    "..R..........R..", ".R...R....R...R.", "....RR....RR....", "...RR..GG..RR...",
    "..RR...GG...RR..", ".RR...G..G...RR.", ".R...G....G...R.",
};
constexpr std::array<std::string_view, 7> kSmallBurst = {
    ".RR....RR.", "...R..R...", "..........", "RRR....RRR",
    "..........", "...R..R...", ".RR....RR.",
};

// Draws `rows` into `dst` with its top left at (x, y); `red` is the index an "R" gets.
template <std::size_t N>
void drawPicture(LedBitmap& dst, const std::array<std::string_view, N>& rows, int x, int y,
                 std::uint8_t red) {
    for (std::size_t r = 0; r < N; ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const char ch = rows[r][c];
            if (ch == '.') continue;
            const std::uint8_t led = ch == 'R' ? red : kLedGreen;
            dst.set(x + static_cast<int>(c), y + static_cast<int>(r), led);
        }
    }
}

}  // namespace

int starburstCell(int k, int n) {
    if (n <= 0) return 0;
    const int m = n / 2;
    int cell = k;
    if (k == 2 * m) {
        cell = k;
    } else if (m % 2 == 0) {
        if (k % 2 == 0) cell = k < m ? k + m : k - m;
    } else if (k % 2 == 1) {
        cell = k < m ? k : k - m;
    } else {
        cell = k < m ? k + m : k;
    }
    return std::clamp(cell, 0, n - 1);
}

StarburstEffect::StarburstEffect() : PacedEffect(1) {}
StarburstEffect::~StarburstEffect() = default;

LedRect StarburstEffect::cellRect(int cell) const {
    const int width = large_ ? 16 : 10;
    const int w = area().width;
    // The last cell ends at the right edge, overlapping the one before it.
    const int x = cell == cells_ - 1 ? std::max(w - width, 0) : cell * width;
    return {x, 0, std::min(width, w - x), area().height};
}

int StarburstEffect::begin(LedSurface& surface) {
    page_ = stagePage(surface);
    frame_ = std::make_unique<LedFrame>(area(), shownLeds(surface, area()));
    large_ = area().height >= 16;
    const int width = large_ ? 16 : 10;
    cells_ = std::max((area().width + width - 1) / width, 0);
    return cells_ * kVisitSteps;
}

void StarburstEffect::move(LedSurface& surface, int index) {
    const int visit = index / kVisitSteps;
    const int at = index % kVisitSteps;
    const int burstSteps = large_ ? 9 : 7;
    if (at != 0 && at != burstSteps) return;
    const LedRect cell = cellRect(starburstCell(visit, cells_));
    if (at == 0) {
        frame_->clear(cell);
        // Drawn into a cell-sized bitmap so that a narrow last cell cuts the picture.
        LedBitmap burst(cell.width, cell.height);
        if (large_) {
            drawPicture(burst, kLargeBurst, 0, (cell.height - 15) / 2, kLedRed);
        } else {
            const bool red = (visit & 2) == 0;
            drawPicture(burst, kSmallBurst, 0, (cell.height - 7) / 2, red ? kLedRed : kLedGreen);
        }
        frame_->put(burst, burst.bounds(), cell.x, cell.y);
    } else {
        frame_->put(page_, cell, cell.x, cell.y);
    }
    frame_->flush(surface);
}

}  // namespace ztk::sim
