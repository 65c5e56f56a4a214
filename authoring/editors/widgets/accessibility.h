// SPDX-License-Identifier: MIT
#pragma once
// Every control carries an accessible name: its visible label as accessibleNameOf gives it.

#include <QString>

#include "accessiblename.h"

class QLabel;
class QWidget;
class QAbstractButton;

namespace ztk::legendo {

// A label for `control`: its buddy, and the control's accessible name.
QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent);

// Names a button by its caption.
void nameByCaption(QAbstractButton* button);

}  // namespace ztk::legendo
