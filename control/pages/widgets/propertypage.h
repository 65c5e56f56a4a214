#pragma once
// A page of the properties dialog: it shows its model, forwards edits to it, and loads from
// and applies to the control through it.

#include <QWidget>

#include <optional>

#include "model/applysteps.h"

namespace ztk {
class Marquee;
}

namespace ztk::pages {

class PropertyPage : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    // The tab's caption.
    virtual QString caption() const = 0;
    // Loads the fields from `marquee`; the page is unchanged afterwards.
    virtual void load(const Marquee& marquee) = 0;
    // Sets the page's properties in its order; the first refused set stops the apply.
    virtual std::optional<Refusal> apply(Marquee& marquee) = 0;
    virtual bool isChanged() const = 0;
    virtual void setUnchanged() = 0;

  signals:
    // The page's fields were edited.
    void changed();
};

}  // namespace ztk::pages
