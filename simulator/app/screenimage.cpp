// SPDX-License-Identifier: MIT
#include "screenimage.h"

#include <QPainter>

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
            table_ = {};
            image_.setColorTable(QList<QRgb>(table_.begin(), table_.end()));
            colored_ = QImage(screen.width, screen.height, QImage::Format_RGB32);
            colored_.fill(QColor(Qt::black));
            changed = image_.rect();
        }
        if (screen.colorTable != nullptr && *screen.colorTable != table_) {
            table_ = *screen.colorTable;
            image_.setColorTable(QList<QRgb>(table_.begin(), table_.end()));
        }
        const QRect part = QRect(area.x, area.y, area.width, area.height) & image_.rect();
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const std::uint8_t* from = screen.scanLine(y) + part.x();
            std::memcpy(image_.scanLine(y) + part.x(), from, part.width());
            auto* to = reinterpret_cast<QRgb*>(colored_.scanLine(y)) + part.x();
            // The pixel rows of a dot repeat: a row like the one above it is copied.
            if (y > part.top() &&
                std::memcmp(from, screen.scanLine(y - 1) + part.x(), part.width()) == 0) {
                const auto* above =
                    reinterpret_cast<const QRgb*>(colored_.constScanLine(y - 1)) + part.x();
                std::memcpy(to, above, part.width() * sizeof(QRgb));
                continue;
            }
            for (int x = 0; x < part.width(); ++x)
                to[x] = table_[from[x]];
        }
        changed |= part;
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

QRect ScreenImage::draw(QPainter& painter, const QRect& area) const {
    std::lock_guard lock(mutex_);
    const QRect part = area & colored_.rect();
    // The same format as the window's backing store: the painter copies the pixels.
    if (!part.isEmpty()) painter.drawImage(part.topLeft(), colored_, part);
    return part;
}

QImage ScreenImage::snapshot() const {
    std::lock_guard lock(mutex_);
    return image_.copy();
}

QImage ScreenImage::colored() const {
    std::lock_guard lock(mutex_);
    return colored_.copy();
}

std::uint8_t ScreenImage::pixelIndex(int x, int y) const {
    std::lock_guard lock(mutex_);
    if (!image_.valid(x, y)) return 0;
    return image_.constScanLine(y)[x];
}

}  // namespace ztk::simapp
