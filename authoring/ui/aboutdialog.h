// SPDX-License-Identifier: MIT
#pragma once
// frmAbout: the program's name, logo and version.

#include <QDialog>

namespace ztk::legendo {

// "Version: " + major + "." + minor + "." + revision of the program.
QString versionText();

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace ztk::legendo
