// SPDX-License-Identifier: MIT
#include "signgeometry.h"

#include <algorithm>

#include "simcore/screenbitmap.h"

namespace ztk::simapp {

ZoomFit fitZoom(int columns, int rows, int zoom, int linkBarHeight, QSize screen) {
    ZoomFit fit;
    fit.zoom = std::max(zoom, 0);
    const int drawable = sim::ScreenBitmap::fittingZoom(columns, rows, fit.zoom);
    if (drawable < fit.zoom) {
        fit.zoom = drawable;
        fit.capped = true;
    }
    auto tooLarge = [&](int z) {
        const long long pitch = z + 1;
        return static_cast<long long>(columns) * pitch > screen.width() ||
               static_cast<long long>(rows) * pitch + linkBarHeight > screen.height();
    };
    while (fit.zoom > 0 && tooLarge(fit.zoom)) {
        --fit.zoom;
        fit.capped = true;
    }
    return fit;
}

QSize clientSize(int columns, int rows, int zoom, int linkBarHeight) {
    const int pitch = zoom + 1;
    return {columns * pitch, rows * pitch + linkBarHeight};
}

QSize clientRoom(QSize screen, const QMargins& frame) {
    return {std::max(screen.width() - frame.left() - frame.right(), 0),
            std::max(screen.height() - frame.top() - frame.bottom(), 0)};
}

QPoint framePlacement(const QRect& room, QSize frameSize, QPoint stored) {
    const bool onRoom = stored.x() >= 0 && stored.y() >= 0 && stored.x() <= room.right() &&
                        stored.y() <= room.bottom();
    if (!onRoom) {
        return {room.x() + (room.width() - frameSize.width()) / 2,
                room.y() + (room.height() - frameSize.height()) / 2};
    }
    // A frame larger than the room keeps its top-left corner (and so its title bar) on it.
    const int x = std::max(std::min(stored.x(), room.right() + 1 - frameSize.width()), room.x());
    const int y = std::max(std::min(stored.y(), room.bottom() + 1 - frameSize.height()), room.y());
    return {x, y};
}

}  // namespace ztk::simapp
