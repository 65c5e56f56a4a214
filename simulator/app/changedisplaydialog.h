// SPDX-License-Identifier: MIT
#pragma once
// ChangeDisplayDialog ("Change Display"): picks the simulated sign from the "Displays" list or
// sizes a generic one. It shows a ChangeDisplayModel and forwards every edit to it; OK asks
// the model, which checks and saves.

#include <QDialog>
#include <QSpinBox>

#include <functional>

#include "changedisplaymodel.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace ztk::simapp {

class Prompter;
class SimSettings;

// A number field whose arrows step through `stepper` instead of by one.
class StepSpinBox : public QSpinBox {
    Q_OBJECT
  public:
    // Returns the value an arrow makes of `value` with change `steps`.
    using Stepper = std::function<int(int value, int steps)>;

    explicit StepSpinBox(Stepper stepper, QWidget* parent = nullptr);
    void stepBy(int steps) override;

  protected:
    StepEnabled stepEnabled() const override;

  private:
    Stepper stepper_;
};

class ChangeDisplayDialog : public QDialog {
    Q_OBJECT
  public:
    // The list comes from `settings`; `title` (the window's title) picks the model shown
    // first. Warnings go through `prompter`.
    ChangeDisplayDialog(SimSettings& settings, Prompter& prompter, const QString& title,
                        QWidget* parent = nullptr);

    // The model line chosen, once the dialog was accepted.
    QString modelLine() const { return modelLine_; }
    const ChangeDisplayModel& model() const { return model_; }

    // OK: closes with the chosen model line, or warns and keeps the dialog open with the
    // focus on the size field.
    void accept() override;

  private:
    void showModel();

    SimSettings& settings_;
    Prompter& prompter_;
    ChangeDisplayModel model_;
    QString modelLine_;
    bool showing_ = false;

    QComboBox* display_;
    QLabel* columnsLabel_;
    StepSpinBox* columns_;
    StepSpinBox* rows_;
    QRadioButton* single_;
    QRadioButton* three_;
    QRadioButton* eight_;
    QPushButton* ok_;
};

}  // namespace ztk::simapp
