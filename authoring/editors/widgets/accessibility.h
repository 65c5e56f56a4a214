#pragma once
// Every control carries an accessible name equal to its visible label without the "&".

#include <QString>

class QLabel;
class QWidget;
class QAbstractButton;

namespace ztk::legendo {

// `text` without the "&" that marks a shortcut ("&&" stays one "&").
QString withoutMnemonic(const QString& text);

// A label for `control`: its buddy, and the control's accessible name.
QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent);

// Names a button by its caption.
void nameByCaption(QAbstractButton* button);

}  // namespace ztk::legendo
