// SPDX-License-Identifier: MIT
#pragma once
// ppgAbout, the "About" page: the control's title, a picture and the library's version.

#include "widgets/propertypage.h"

namespace ztk::pages {

class AboutPage final : public PropertyPage {
    Q_OBJECT
  public:
    explicit AboutPage(QWidget* parent = nullptr);

    QString caption() const override;
};

}  // namespace ztk::pages
