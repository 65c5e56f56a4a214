// SPDX-License-Identifier: MIT
#pragma once
// The texts of "orvexsim --help" and "orvexsim --version", printed on standard output
// without a display.

#include <QString>
#include <QStringList>

namespace ztk::simapp {

// Whether `arguments` (without the program name) ask for the help or the version text.
bool asksForHelp(const QStringList& arguments);
bool asksForVersion(const QStringList& arguments);

QString helpText();
QString versionText();

}  // namespace ztk::simapp
