// SPDX-License-Identifier: MIT
#pragma once
// PropertiesDialog: the control's three property pages ("General", "Communication",
// "About") as tabs over one Marquee, with OK, Cancel and Apply. A host shows it in one line:
//
//     ztk::pages::PropertiesDialog(sign, this).exec();
//
// The pages load the control's properties when the dialog opens. Apply (and OK) sets the
// properties of every changed page through the control's own setters, page by page in tab
// order; the first refused value stops the apply there, shows the control's error and puts
// the focus on its field. Since every field of a page is set, MarqueeType is refused while
// the control is in run mode and the communication settings once it was initialised: for
// editing stored settings, put the control in design mode (setRunMode(false)) first.

#include <QDialog>

#include <functional>
#include <memory>

namespace ztk {
class Marquee;
}

class QDialogButtonBox;
class QTabWidget;

namespace ztk::pages {

class PagePrompter;
class PropertyPage;

class PropertiesDialog : public QDialog {
    Q_OBJECT
  public:
    // The desktop's file choosers and message boxes.
    explicit PropertiesDialog(Marquee& marquee, QWidget* parent = nullptr);
    // File choosers and messages through `prompter`, which outlives the dialog.
    PropertiesDialog(Marquee& marquee, PagePrompter& prompter, QWidget* parent = nullptr);
    ~PropertiesDialog() override;

    // Called after every apply that set properties (also when a later page was refused, so
    // a store sees what the control now holds); false (a failed save, say) keeps the
    // dialog open on OK.
    void setAfterApply(std::function<bool()> afterApply) { afterApply_ = std::move(afterApply); }

    // Applies the changed pages; true when nothing was refused and the after-apply call,
    // if any, succeeded.
    bool apply();
    // OK: applies, and closes unless something was refused.
    void accept() override;

    // Whether a page has edits that are not applied yet (what enables Apply).
    bool hasChanges() const;

  private:
    void updateApplyButton();

    Marquee& marquee_;
    std::unique_ptr<PagePrompter> ownPrompter_;
    PagePrompter& prompter_;
    std::function<bool()> afterApply_;
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    QList<PropertyPage*> pages_;
};

}  // namespace ztk::pages
