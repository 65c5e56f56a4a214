// SPDX-License-Identifier: MIT
#pragma once
// ppgMarquee, the "General" page: sign type, address, message file and error log file.

#include "model/generalpagemodel.h"
#include "widgets/propertypage.h"

class QComboBox;
class QPushButton;

namespace ztk::pages {

class FilteredLineEdit;
class PagePrompter;

class GeneralPage final : public PropertyPage {
    Q_OBJECT
  public:
    // The choosers of the two "..." buttons go through `prompter`.
    explicit GeneralPage(PagePrompter& prompter, QWidget* parent = nullptr);

    QString caption() const override;

    const GeneralPageModel& model() const { return model_; }

  protected:
    void showModel() override;

  private:
    // Runs a chooser preset with `box`'s text; a chosen file replaces the text, a cancelled
    // chooser leaves it.
    void chooseFile(FilteredLineEdit* box, bool save, const QString& filter);

    PagePrompter& prompter_;
    GeneralPageModel model_;
    QComboBox* type_;
    FilteredLineEdit* address_;
    FilteredLineEdit* messageFile_;
    QPushButton* messageButton_;
    FilteredLineEdit* logFile_;
    QPushButton* logButton_;
};

}  // namespace ztk::pages
