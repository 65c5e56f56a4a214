// SPDX-License-Identifier: MIT
#include "prompter.h"

#include <QMessageBox>

namespace ztk::simapp {

void MessageBoxPrompter::warning(QWidget* parent, const QString& title, const QString& text) {
    // Message texts keep their CR LF line ends; a label breaks lines at LF alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox::warning(parent, title, shown);
}

}  // namespace ztk::simapp
