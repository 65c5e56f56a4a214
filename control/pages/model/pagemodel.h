// SPDX-License-Identifier: MIT
#pragma once
// What both editable pages keep besides their fields: whether they changed since they were
// loaded or last applied.

#include <QString>

#include <optional>

#include "model/applysteps.h"

namespace ztk {
class Marquee;
}

namespace ztk::pages {

class PageModel {
  public:
    virtual ~PageModel() = default;
    // Shows `marquee`'s properties; the page is unchanged afterwards.
    virtual void load(const Marquee& marquee) = 0;
    // Sets the page's properties on `marquee` in the page's order; the first refused set
    // stops the apply and is returned.
    virtual std::optional<Refusal> apply(Marquee& marquee) const = 0;

    bool isChanged() const { return changed_; }
    void setUnchanged() { changed_ = false; }

  protected:
    // An edit of a text box: the page changes when the text does.
    void edit(QString& field, const QString& text) {
        if (field == text) return;
        field = text;
        changed_ = true;
    }
    // A choice in a list or of an option button always marks the page changed.
    template <typename T>
    void choose(T& field, const T& value) {
        field = value;
        changed_ = true;
    }

  private:
    bool changed_ = false;
};

}  // namespace ztk::pages
