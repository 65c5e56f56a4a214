// SPDX-License-Identifier: MIT
#include "screenimage.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace ztk::simapp {

ScreenImage::ScreenImage(RepaintRequest requestRepaint)
    : requestRepaint_(std::move(requestRepaint)) {}

void ScreenImage::present(const sim::ScreenView& screen, const sim::PixelRect& area) {
    bool ask = false;
    {
        std::lock_guard lock(mutex_);
        QRect changed;
        if (image_.width() != screen.width || image_.height() != screen.height) {
            image_ = QImage(screen.width, screen.height, QImage::Format_Indexed8);
            image_.fill(0);
            changed = image_.rect();
            table_ = {};
            image_.setColorTable(QList<QRgb>(table_.begin(), table_.end()));
        }
        if (screen.colorTable != nullptr && *screen.colorTable != table_) {
            table_ = *screen.colorTable;
            image_.setColorTable(QList<QRgb>(table_.begin(), table_.end()));
            changed = image_.rect();
        }
        // Only rows whose pixels differ count: a held page is presented at the display rate
        // without changing, and needs no repaint.
        const int x = std::max(area.x, 0);
        const int width = std::min(area.x + area.width, screen.width) - x;
        const int top = std::max(area.y, 0);
        const int bottom = std::min(area.y + area.height, screen.height);
        int firstChanged = -1;
        int lastChanged = -1;
        for (int y = top; width > 0 && y < bottom; ++y) {
            uchar* to = image_.scanLine(y) + x;
            const std::uint8_t* from = screen.scanLine(y) + x;
            if (std::memcmp(to, from, width) == 0) continue;
            std::memcpy(to, from, width);
            if (firstChanged < 0) firstChanged = y;
            lastChanged = y;
        }
        if (firstChanged >= 0)
            changed |= QRect(x, firstChanged, width, lastChanged - firstChanged + 1);
        if (changed.isEmpty()) return;
        dirty_ |= changed;
        if (!repaintAsked_) {
            repaintAsked_ = true;
            ask = true;
        }
    }
    if (ask && requestRepaint_) requestRepaint_();
}

QRect ScreenImage::takeDirty() {
    std::lock_guard lock(mutex_);
    const QRect dirty = dirty_;
    dirty_ = QRect();
    repaintAsked_ = false;
    return dirty;
}

void ScreenImage::draw(QPainter& painter, const QRect& area) const {
    QImage colored;
    {
        std::lock_guard lock(mutex_);
        const QRect part = area & image_.rect();
        if (part.isEmpty()) return;
        // The colours are looked up here rather than by the painter, which may hand a large
        // conversion to helper threads of its own.
        colored = QImage(part.size(), QImage::Format_RGB32);
        for (int y = 0; y < part.height(); ++y) {
            const uchar* from = image_.constScanLine(part.y() + y) + part.x();
            auto* to = reinterpret_cast<QRgb*>(colored.scanLine(y));
            for (int x = 0; x < part.width(); ++x)
                to[x] = table_[from[x]];
        }
        colored.setOffset(part.topLeft());
    }
    painter.drawImage(colored.offset(), colored);
}

QImage ScreenImage::snapshot() const {
    std::lock_guard lock(mutex_);
    return image_.copy();
}

std::uint8_t ScreenImage::pixelIndex(int x, int y) const {
    std::lock_guard lock(mutex_);
    if (!image_.valid(x, y)) return 0;
    return image_.constScanLine(y)[x];
}

}  // namespace ztk::simapp
