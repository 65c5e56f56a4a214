// SPDX-License-Identifier: MIT
#pragma once
// Accessible names for screen readers and UI automation: every field is named as its label.

#include <QString>

class QWidget;

namespace ztk::pages {

// A label's text as shown: "&&" becomes "&", any other "&" (a mnemonic mark) is dropped.
QString withoutMnemonic(const QString& label);

// Names every field under `root` after its visible label, without the "&": the buddy of a
// label takes the label's text; buttons, option buttons and frames their own text.
void nameForAccessibility(QWidget* root);

}  // namespace ztk::pages
