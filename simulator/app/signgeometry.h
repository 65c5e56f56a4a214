// SPDX-License-Identifier: MIT
#pragma once
// The size of the sign window: every LED takes (zoom + 1) x (zoom + 1) screen pixels, and the
// link bar runs along the bottom.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace ztk::simapp {

struct ZoomFit {
    int zoom = 0;
    // The zoom asked for had to be reduced: a larger one would not fit.
    bool capped = false;
    friend bool operator==(const ZoomFit&, const ZoomFit&) = default;
};

// The largest zoom up to `zoom` (and down to 0) at which `columns` x `rows` LEDs and the link
// bar fit into `screen`, the client area of a full-screen window. The zoom is also kept to
// what the simulator can draw (at most 15, and a screen image within its memory bound).
ZoomFit fitZoom(int columns, int rows, int zoom, int linkBarHeight, QSize screen);

// The client area for `columns` x `rows` LEDs at `zoom` with the link bar.
QSize clientSize(int columns, int rows, int zoom, int linkBarHeight);

// The room a window's client area has on a screen whose free area is `screen` once the
// window frame and title bar (`frame`) are taken off.
QSize clientRoom(QSize screen, const QMargins& frame);

// Where the frame of a window of `frameSize` (frame and title bar included) goes on `room`:
// at `stored` when it lies on the room, moved back just enough that the whole frame is on
// it; centred when `stored` is off the room (or negative).
QPoint framePlacement(const QRect& room, QSize frameSize, QPoint stored);

}  // namespace ztk::simapp
