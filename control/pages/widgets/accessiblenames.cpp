// SPDX-License-Identifier: MIT
#include "widgets/accessiblenames.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace ztk::pages {

QString withoutMnemonic(const QString& label) {
    QString shown;
    shown.reserve(label.size());
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == u'&' && ++i == label.size()) break;
        shown += label[i];
    }
    return shown;
}

void nameForAccessibility(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (QWidget* buddy = label->buddy())
            buddy->setAccessibleName(withoutMnemonic(label->text()));
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->text().isEmpty()) button->setAccessibleName(withoutMnemonic(button->text()));
    }
    for (QGroupBox* frame : root->findChildren<QGroupBox*>())
        frame->setAccessibleName(withoutMnemonic(frame->title()));
}

}  // namespace ztk::pages
