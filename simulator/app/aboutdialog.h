// SPDX-License-Identifier: MIT
#pragma once
// AboutDialog ("About Orvex Simulator"): the program icon, its description, legal notice,
// version and special build.

#include <QDialog>

namespace ztk::simapp {

struct VersionInfo;

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(const VersionInfo& version, QWidget* parent = nullptr);
};

}  // namespace ztk::simapp
