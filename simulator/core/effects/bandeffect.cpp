// SPDX-License-Identifier: MIT
#include "simcore/effects/bandeffect.h"

#include <algorithm>

namespace ztk::sim {

namespace {

bool horizontal(ShiftDirection d) {
    return d == ShiftDirection::Left || d == ShiftDirection::Right;
}

// Columns move `index` of a horizontal band covers (the last move may take fewer than 4).
int columnsOfMove(const LedRect& r, int index) {
    return std::min(kBandColumnsPerMove, r.width - index * kBandColumnsPerMove);
}

// The next page columns or rows of band `b`, taken from the canvas, come in at the edge the
// screen moved away from. A band moving left brings the page in from its left end, one
// moving right from its right end; up from the top row, down from the bottom row. After all
// its moves the band shows the page.
void bringIn(LedSurface& s, const Band& b, int index) {
    const LedRect& r = b.rect;
    const int step = index * kBandColumnsPerMove;
    switch (b.direction) {
        case ShiftDirection::Left: {
            const int n = columnsOfMove(r, index);
            s.copyBlock(s.canvas(), {r.x + step, r.y, n, r.height}, r.right() - n, r.y);
            break;
        }
        case ShiftDirection::Right: {
            const int n = columnsOfMove(r, index);
            s.copyBlock(s.canvas(), {r.right() - step - n, r.y, n, r.height}, r.x, r.y);
            break;
        }
        case ShiftDirection::Up:
            s.copyBlock(s.canvas(), {r.x, r.y + index, r.width, 1}, r.x, r.bottom() - 1);
            break;
        case ShiftDirection::Down:
            s.copyBlock(s.canvas(), {r.x, r.bottom() - 1 - index, r.width, 1}, r.x, r.y);
            break;
    }
}

// Rolls band `b` one move: the screen moves, then the page comes in.
void roll(LedSurface& s, const Band& b, int index) {
    s.shift(b.rect, b.direction, horizontal(b.direction) ? columnsOfMove(b.rect, index) : 1);
    bringIn(s, b, index);
}

// Wipes band `b` one move: the next page columns or rows are shown in place, growing from the
// edge opposite the direction.
void wipe(LedSurface& s, const Band& b, int index) {
    const LedRect& r = b.rect;
    const int step = index * kBandColumnsPerMove;
    switch (b.direction) {
        case ShiftDirection::Left: {
            const int n = columnsOfMove(r, index);
            s.copyBlock({r.right() - step - n, r.y, n, r.height});
            break;
        }
        case ShiftDirection::Right:
            s.copyBlock({r.x + step, r.y, columnsOfMove(r, index), r.height});
            break;
        case ShiftDirection::Up:
            s.copyBlock({r.x, r.bottom() - 1 - index, r.width, 1});
            break;
        case ShiftDirection::Down:
            s.copyBlock({r.x, r.y + index, r.width, 1});
            break;
    }
}

}  // namespace

int bandMoves(const Band& band) {
    if (band.rect.empty()) return 0;
    if (horizontal(band.direction))
        return (band.rect.width + kBandColumnsPerMove - 1) / kBandColumnsPerMove;
    return band.rect.height;
}

LedRect BandEffect::leftHalf() const {
    const LedRect& a = area();
    return {a.x, a.y, a.width / 2, a.height};
}

LedRect BandEffect::rightHalf() const {
    const LedRect& a = area();
    return {a.x + a.width / 2, a.y, a.width - a.width / 2, a.height};
}

int BandEffect::begin(LedSurface& surface) {
    stagePage(surface);
    bands_ = bands();
    int moves = 0;
    for (const Band& b : bands_)
        moves = std::max(moves, bandMoves(b));
    return moves;
}

void BandEffect::move(LedSurface& surface, int index) {
    if (kind_ == Kind::Roll && bands_.size() > 2) {
        rollTogether(surface, index);
        return;
    }
    for (const Band& b : bands_) {
        if (index >= bandMoves(b)) continue;
        if (kind_ == Kind::Roll)
            roll(surface, b, index);
        else
            wipe(surface, b, index);
    }
}

void BandEffect::rollTogether(LedSurface& surface, int index) {
    // Many bands (switch: one every 16 columns) move in one pass over the screen, then each
    // takes in its next page columns or rows as roll() does.
    std::vector<AreaShift> shifts;
    shifts.reserve(bands_.size());
    for (const Band& b : bands_) {
        if (index >= bandMoves(b)) continue;
        const int n = horizontal(b.direction) ? columnsOfMove(b.rect, index) : 1;
        shifts.push_back({b.rect, b.direction, n});
    }
    surface.shiftAreas(shifts);
    for (const Band& b : bands_)
        if (index < bandMoves(b)) bringIn(surface, b, index);
}

}  // namespace ztk::sim
