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

}  // namespace ztk::simapp
