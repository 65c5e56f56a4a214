// SPDX-License-Identifier: MIT
#include "widgets/accessibility.h"

#include <QAbstractButton>
#include <QLabel>

namespace ztk::legendo {

QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(accessibleNameOf(text));
    return label;
}

void nameByCaption(QAbstractButton* button) {
    button->setAccessibleName(accessibleNameOf(button->text()));
}

}  // namespace ztk::legendo
