#pragma once
// ppgAbout, the "About" page: the control's title, a picture and the library's version.

#include "widgets/propertypage.h"

namespace ztk::pages {

class AboutPage final : public PropertyPage {
    Q_OBJECT
  public:
    explicit AboutPage(QWidget* parent = nullptr);

    QString caption() const override;
    // Nothing on this page comes from or goes to the control.
    void load(const Marquee&) override {}
    std::optional<Refusal> apply(Marquee&) override { return std::nullopt; }
    bool isChanged() const override { return false; }
    void setUnchanged() override {}
};

}  // namespace ztk::pages
