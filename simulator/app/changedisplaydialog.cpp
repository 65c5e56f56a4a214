// SPDX-License-Identifier: MIT
#include "changedisplaydialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "prompter.h"
#include "simsettings.h"

namespace ztk::simapp {
namespace {

// The fields take any typed number in this range; OK checks what the sign allows.
constexpr int kFieldMax = 99999;

}  // namespace

StepSpinBox::StepSpinBox(Stepper stepper, QWidget* parent)
    : QSpinBox(parent), stepper_(std::move(stepper)) {
    setRange(0, kFieldMax);
}

void StepSpinBox::stepBy(int steps) {
    setValue(stepper_ ? stepper_(value(), steps) : value() + steps);
    selectAll();
}

QAbstractSpinBox::StepEnabled StepSpinBox::stepEnabled() const {
    return isEnabled() ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

ChangeDisplayDialog::ChangeDisplayDialog(SimSettings& settings, Prompter& prompter,
                                         const QString& title, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      prompter_(prompter),
      model_(settings, title),
      display_(new QComboBox),
      columnsLabel_(new QLabel),
      columns_(new StepSpinBox([this](int value, int steps) {
          return ChangeDisplayModel::stepped(value, steps, model_.columnsRange());
      })),
      rows_(new StepSpinBox([this](int value, int steps) {
          return ChangeDisplayModel::stepped(value, steps, model_.rowsRange());
      })),
      single_(new QRadioButton(QStringLiteral("Single"))),
      three_(new QRadioButton(QStringLiteral("Three"))),
      eight_(new QRadioButton(QStringLiteral("Eight"))) {
    setWindowTitle(QStringLiteral("Change Display"));

    for (const DisplayEntry& entry : model_.entries())
        display_->addItem(entry.name);

    auto* colors = new QGroupBox(QStringLiteral("Colors"));
    auto* colorLayout = new QHBoxLayout(colors);
    colorLayout->addWidget(single_);
    colorLayout->addWidget(three_);
    colorLayout->addWidget(eight_);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Display:"), display_);
    form->addRow(columnsLabel_, columns_);
    form->addRow(QStringLiteral("Rows:"), rows_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &ChangeDisplayDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(colors);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(display_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (showing_) return;
        model_.select(index);
        showModel();
    });
    connect(columns_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_) model_.setColumns(value);
    });
    connect(rows_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_) model_.setRows(value);
    });
    const auto colorButton = [this](QRadioButton* button, ColorChoice color) {
        connect(button, &QRadioButton::toggled, this, [this, color](bool on) {
            if (on && !showing_) model_.setColor(color);
        });
    };
    colorButton(single_, ColorChoice::Single);
    colorButton(three_, ColorChoice::Three);
    colorButton(eight_, ColorChoice::Eight);

    showModel();
}

void ChangeDisplayDialog::showModel() {
    showing_ = true;
    ok_->setEnabled(model_.canAccept());
    display_->setCurrentIndex(model_.selected());
    columnsLabel_->setText(model_.columnsLabel());
    columns_->setValue(model_.columns());
    rows_->setValue(model_.rows());
    single_->setChecked(model_.color() == ColorChoice::Single);
    three_->setChecked(model_.color() == ColorChoice::Three);
    eight_->setChecked(model_.color() == ColorChoice::Eight);
    const bool editable = model_.sizesEditable();
    columns_->setEnabled(editable);
    rows_->setEnabled(editable);
    single_->setEnabled(editable);
    three_->setEnabled(editable);
    eight_->setEnabled(false);
    showing_ = false;
}

void ChangeDisplayDialog::accept() {
    // A value typed but not yet confirmed counts.
    columns_->interpretText();
    rows_->interpretText();
    const ChangeDisplayModel::Result result = model_.accept(settings_);
    if (!result.accepted) {
        if (!result.warning.isEmpty()) {
            prompter_.warning(this, windowTitle(), result.warning);
            columns_->setFocus();
            columns_->selectAll();
        }
        return;
    }
    modelLine_ = result.modelLine;
    QDialog::accept();
}

}  // namespace ztk::simapp
