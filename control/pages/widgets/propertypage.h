// SPDX-License-Identifier: MIT
#pragma once
// A page of the properties dialog: it shows its model, forwards edits to it, and loads from
// and applies to the control through it.

#include <QWidget>

#include <optional>

#include "model/pagemodel.h"

namespace ztk {
class Marquee;
}

namespace ztk::pages {

class PropertyPage : public QWidget {
    Q_OBJECT
  public:
    // The tab's caption.
    virtual QString caption() const = 0;

    // Loads the fields from `marquee`; the page is unchanged afterwards.
    void load(const Marquee& marquee) {
        if (model_ == nullptr) return;
        model_->load(marquee);
        showModel();
    }
    // Sets the page's properties in its order; the first refused set stops the apply.
    std::optional<Refusal> apply(Marquee& marquee) {
        return model_ != nullptr ? model_->apply(marquee) : std::nullopt;
    }
    bool isChanged() const { return model_ != nullptr && model_->isChanged(); }
    void setUnchanged() {
        if (model_ != nullptr) model_->setUnchanged();
    }

  signals:
    // The page's fields were edited.
    void changed();

  protected:
    // `model` (a member of the page, or nothing for a page that shows no properties) holds
    // what the page shows.
    explicit PropertyPage(PageModel* model, QWidget* parent = nullptr)
        : QWidget(parent), model_(model) {}
    // Shows the model's fields in the widgets.
    virtual void showModel() {}

  private:
    PageModel* model_;
};

}  // namespace ztk::pages
