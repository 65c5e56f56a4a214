// SPDX-License-Identifier: MIT
#include "simcore/ledsurface.h"

#include <algorithm>

namespace ztk::sim {

LedSurface::LedSurface(int columns, int rows, int zoom, int colors)
    : colors_(std::clamp(colors, 1, 8)),
      canvas_(std::clamp(columns, 0, kMaxColumns), std::clamp(rows, 0, kMaxRows)),
      screen_(columns, rows, zoom, colors) {}

LedSurface::LedSurface(const DisplayModel& model, int zoom)
    : LedSurface(model.columns, model.rows, zoom, model.colors) {}

void LedSurface::flashTick(bool reset, int count) {
    count = std::max(count, 1);
    if (reset) {
        screen_.setFlashLit(true);
        flashCountdown_ = count;
        return;
    }
    if (--flashCountdown_ <= 0) {
        screen_.setFlashLit(!screen_.flashLit());
        flashCountdown_ = count;
    }
}

void LedSurface::present(const LedRect& area, PresentSink& sink) const {
    const PixelRect pixels = screen_.toPixels(area);
    if (pixels.width <= 0 || pixels.height <= 0) return;
    sink.present(screen_.view(), pixels);
}

}  // namespace ztk::sim
