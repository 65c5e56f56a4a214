// SPDX-License-Identifier: MIT
#include "icons.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace ztk::legendo {
namespace {

QColor clipColor(NodeImage image) {
    switch (image) {
        case NodeImage::RedClip:
            return {208, 40, 40};
        case NodeImage::GreenClip:
            return {30, 150, 60};
        case NodeImage::OrangeClip:
            return {235, 130, 20};
        case NodeImage::BlueClip:
            return {40, 90, 210};
        case NodeImage::PinkClip:
            return {225, 100, 170};
        case NodeImage::CloseFolder:
            break;
    }
    return {120, 120, 120};
}

// A closed manila folder with its tab, on a 16-unit grid.
void drawFolder(QPainter& painter) {
    QPainterPath tab;
    tab.moveTo(1.5, 4.5);
    tab.lineTo(1.5, 3.0);
    tab.lineTo(6.0, 3.0);
    tab.lineTo(7.5, 4.5);
    tab.closeSubpath();
    painter.setPen(QPen(QColor(150, 110, 30), 1.0));
    painter.setBrush(QColor(230, 185, 80));
    painter.drawPath(tab);
    painter.setBrush(QColor(245, 205, 100));
    painter.drawRoundedRect(QRectF(1.5, 4.5, 13.0, 9.0), 1.0, 1.0);
    painter.setPen(QPen(QColor(255, 230, 160), 1.0));
    painter.drawLine(QPointF(2.5, 5.8), QPointF(13.5, 5.8));
}

// A paper clip standing upright, on a 16-unit grid.
void drawClip(QPainter& painter, const QColor& color) {
    QPainterPath clip;
    clip.moveTo(6.0, 13.0);
    clip.lineTo(6.0, 4.0);
    clip.arcTo(QRectF(6.0, 1.5, 5.0, 5.0), 180.0, -180.0);
    clip.lineTo(11.0, 12.0);
    clip.arcTo(QRectF(7.0, 10.0, 4.0, 4.0), 0.0, -180.0);
    clip.lineTo(7.0, 5.0);
    clip.arcTo(QRectF(7.5, 3.5, 2.5, 2.5), 180.0, -180.0);
    clip.lineTo(10.0, 10.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color.darker(140), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(clip);
    painter.setPen(QPen(color, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(clip);
}

QPixmap drawNode(NodeImage image, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    if (image == NodeImage::CloseFolder) {
        drawFolder(painter);
    } else {
        drawClip(painter, clipColor(image));
    }
    return pixmap;
}

}  // namespace

constexpr std::size_t kNodeImages = static_cast<std::size_t>(NodeImage::PinkClip) + 1;

QIcon nodeIcon(NodeImage image) {
    // Drawn once for each image and shared by every node that shows it: a file of
    // thousands of items would otherwise spend most of its opening time painting clips.
    // Kept until the program ends, past the application object that pixmaps need.
    static auto* const icons = new std::array<QIcon, kNodeImages>;
    QIcon& icon = (*icons)[static_cast<std::size_t>(image)];
    if (icon.isNull()) {
        for (int size : {16, 24, 32})
            icon.addPixmap(drawNode(image, size));
    }
    return icon;
}

QPixmap logoPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    // The page with its folded corner.
    QPainterPath page;
    page.moveTo(10, 4);
    page.lineTo(42, 4);
    page.lineTo(56, 18);
    page.lineTo(56, 60);
    page.lineTo(10, 60);
    page.closeSubpath();
    painter.setPen(QPen(QColor(60, 60, 70), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawPath(page);
    QPainterPath fold;
    fold.moveTo(42, 4);
    fold.lineTo(42, 18);
    fold.lineTo(56, 18);
    painter.setBrush(QColor(215, 215, 210));
    painter.drawPath(fold);
    // A dark lightboard with three lines of text in red, green and amber.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(28, 28, 32));
    painter.drawRoundedRect(QRectF(15, 24, 36, 30), 3, 3);
    const std::array<QColor, 3> colors = {QColor(235, 40, 40), QColor(40, 210, 70),
                                          QColor(255, 150, 0)};
    const std::array<int, 3> lengths = {7, 5, 6};
    for (int row = 0; row < 3; ++row) {
        painter.setBrush(colors[row]);
        for (int col = 0; col < lengths[row]; ++col)
            painter.drawEllipse(QRectF(18.5 + col * 4.4, 27.5 + row * 8.5, 3.4, 3.4));
    }
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(logoPixmap(size));
    return icon;
}

}  // namespace ztk::legendo
