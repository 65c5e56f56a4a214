// SPDX-License-Identifier: MIT
#include "appicon.h"

#include <QPainter>
#include <QPixmap>

namespace ztk::simapp {
namespace {

// An "O" of 5 x 7 LEDs on a dark panel.
constexpr const char* kGlyph[] = {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(24, 24, 24));
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 8.0, size / 8.0);
    const double pitch = size / 9.0;
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool lit = kGlyph[y][x] == '#';
            painter.setBrush(lit ? QColor(255, 160, 0) : QColor(70, 40, 0));
            painter.drawEllipse(QRectF((x + 2) * pitch + pitch * 0.1, (y + 1) * pitch + pitch * 0.1,
                                       pitch * 0.8, pitch * 0.8));
        }
    }
    return pixmap;
}

}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace ztk::simapp
