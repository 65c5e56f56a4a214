// SPDX-License-Identifier: MIT
#include "linkbar.h"

#include <qdrawutil.h>
#include <QPainter>

#include "hyperlinklabel.h"
#include "versioninfo.h"

namespace ztk::simapp {
namespace {

// The link sits this far inside the bar's edges.
constexpr int kInset = 3;

}  // namespace

LinkBar::LinkBar(Prompter& prompter, QWidget* parent)
    : QWidget(parent), link_(new HyperlinkLabel(prompter, this)) {
    // A small font, so that the text fits the bar's 20 pixels with its insets.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    const VersionInfo version = programVersion();
    link_->setText(linkText(version));
    link_->setTarget(linkTarget(version));
}

void LinkBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    // An etched edge: a sunken line with a raised one just inside it.
    qDrawShadeRect(&painter, rect(), palette(), true, 1);
}

void LinkBar::resizeEvent(QResizeEvent*) {
    const QSize size = link_->sizeHint();
    const int room = std::max(height() - 2 * kInset, 0);
    const int y = kInset + std::max(room - size.height(), 0) / 2;
    link_->setGeometry(kInset, y, std::min(size.width(), std::max(width() - 2 * kInset, 0)),
                       std::min(size.height(), room));
}

}  // namespace ztk::simapp
