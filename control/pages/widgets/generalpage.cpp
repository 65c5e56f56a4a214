// SPDX-License-Identifier: MIT
#include "widgets/generalpage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ZTKMarqueePages/pageprompter.h"
#include "model/filechooserfilter.h"
#include "model/inputfilters.h"
#include "model/pagetexts.h"
#include "widgets/filteredlineedit.h"

namespace ztk::pages {
namespace {

FilteredLineEdit* textBox(const QString& name, const QString& tip) {
    auto* box = new FilteredLineEdit;
    box->setObjectName(name);
    box->setToolTip(tip);
    return box;
}

QPushButton* browseButton(const QString& name, const QString& description) {
    auto* button = new QPushButton(text::kBrowseCaption);
    button->setObjectName(name);
    button->setAccessibleDescription(description);
    // As narrow as its caption, like the text box's companion it is.
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(text::kBrowseCaption) * 3);
    return button;
}

}  // namespace

GeneralPage::GeneralPage(PagePrompter& prompter, QWidget* parent)
    : PropertyPage(&model_, parent),
      prompter_(prompter),
      type_(new QComboBox),
      address_(textBox(field::kMarqueeAddress, text::kMarqueeAddressTip)),
      messageFile_(textBox(field::kMessageFile, text::kMessageFileTip)),
      messageButton_(
          browseButton(field::kMessageFileButton, QStringLiteral("Choose the message file"))),
      logFile_(textBox(field::kLogFile, text::kLogFileTip)),
      logButton_(browseButton(field::kLogFileButton, QStringLiteral("Choose the error log file"))) {
    setObjectName(QStringLiteral("ppgMarquee"));
    type_->setObjectName(field::kMarqueeType);
    type_->addItems(text::marqueeTypeEntries());
    address_->setKeyFilter(filterAddressKey);
    // Two hex digits: the box is sized for a few characters, not the page's width.
    address_->setMaximumWidth(address_->fontMetrics().horizontalAdvance(u'W') * 6);

    // Room for a typical path, so that the whole of it shows.
    for (FilteredLineEdit* box : {messageFile_, logFile_})
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 36);

    auto* grid = new QGridLayout(this);
    const auto addRow = [grid](int row, const QString& label, QWidget* field) {
        auto* caption = new QLabel(label);
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, text::kMarqueeTypeLabel, type_);
    addRow(1, text::kMarqueeAddressLabel, address_);
    addRow(2, text::kMessageFileLabel, messageFile_);
    grid->addWidget(messageButton_, 2, 2);
    addRow(3, text::kLogFileLabel, logFile_);
    grid->addWidget(logButton_, 3, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    // The type list and the address box keep their own width at the left of the column.
    grid->setAlignment(type_, Qt::AlignLeft);
    grid->setAlignment(address_, Qt::AlignLeft);

    const auto edited = [this](auto change) {
        return [this, change](const QString& text) {
            (model_.*change)(text);
            emit changed();
        };
    };
    connect(address_, &QLineEdit::textChanged, this, edited(&GeneralPageModel::editAddress));
    connect(messageFile_, &QLineEdit::textChanged, this,
            edited(&GeneralPageModel::editMessageFile));
    connect(logFile_, &QLineEdit::textChanged, this, edited(&GeneralPageModel::editLogFile));
    connect(address_, &FilteredLineEdit::editingLeft, this, [this] {
        model_.leaveAddressBox();
        showModel();
        emit changed();
    });
    connect(type_, &QComboBox::activated, this, [this](int index) {
        model_.chooseType(index);
        emit changed();
    });
    connect(messageButton_, &QPushButton::clicked, this,
            [this] { chooseFile(messageFile_, false, text::kMessageFileFilter); });
    connect(logButton_, &QPushButton::clicked, this,
            [this] { chooseFile(logFile_, true, text::kLogFileFilter); });

    // As opened: the type list's one entry chosen, and nothing changed yet.
    showModel();
    setUnchanged();
}

QString GeneralPage::caption() const {
    return text::kGeneralCaption;
}

void GeneralPage::showModel() {
    type_->setCurrentIndex(model_.typeIndex());
    address_->setText(model_.address());
    // A path that does not fit shows its beginning, as a shown text does.
    for (auto [box, text] :
         {std::pair{messageFile_, &model_.messageFile()}, std::pair{logFile_, &model_.logFile()}}) {
        if (box->text() == *text) continue;
        box->setText(*text);
        box->setCursorPosition(0);
    }
}

void GeneralPage::chooseFile(FilteredLineEdit* box, bool save, const QString& filter) {
    const QString preset = chooserPreset(box->text());
    const std::optional<QString> chosen = save ? prompter_.chooseFileToSave(this, preset, filter)
                                               : prompter_.chooseFileToOpen(this, preset, filter);
    if (chosen) box->setText(*chosen);
}

}  // namespace ztk::pages
