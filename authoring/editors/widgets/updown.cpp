// SPDX-License-Identifier: MIT
#include "widgets/updown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace ztk::legendo {

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {up_, down_}) {
        button->setArrowType(button == up_ ? Qt::UpArrow : Qt::DownArrow);
        button->setFixedSize(18, 12);
        button->setAutoRepeat(true);
        // Reached by Tab for the keyboard; a click leaves the focus where the typing is.
        button->setFocusPolicy(Qt::TabFocus);
        layout->addWidget(button);
    }
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    up_->setAccessibleName(QStringLiteral("Up"));
    down_->setAccessibleName(QStringLiteral("Down"));
    connect(up_, &QToolButton::clicked, this, &UpDown::up);
    connect(down_, &QToolButton::clicked, this, &UpDown::down);
}

}  // namespace ztk::legendo
