// SPDX-License-Identifier: MIT
#include "ZTKMarqueePages/propertiesdialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "ZTKMarqueePages/pageprompter.h"
#include "model/pagetexts.h"
#include "widgets/aboutpage.h"
#include "widgets/accessiblenames.h"
#include "widgets/communicationpage.h"
#include "widgets/filteredlineedit.h"
#include "widgets/generalpage.h"

namespace ztk::pages {

PropertiesDialog::PropertiesDialog(Marquee& marquee, QWidget* parent)
    : PropertiesDialog(marquee, *new DialogPrompter, parent) {
    ownPrompter_.reset(&prompter_);
}

PropertiesDialog::PropertiesDialog(Marquee& marquee, PagePrompter& prompter, QWidget* parent)
    : QDialog(parent),
      marquee_(marquee),
      prompter_(prompter),
      tabs_(new QTabWidget),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                    QDialogButtonBox::Apply)) {
    setWindowTitle(text::kDialogTitle);
    pages_ = {new GeneralPage(prompter_), new CommunicationPage, new AboutPage};
    for (PropertyPage* page : pages_) {
        tabs_->addTab(page, page->caption());
        page->load(marquee_);
        connect(page, &PropertyPage::changed, this, &PropertiesDialog::updateApplyButton);
    }

    connect(buttons_, &QDialogButtonBox::accepted, this, &PropertiesDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &PropertiesDialog::apply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);

    nameForAccessibility(this);
    updateApplyButton();
}

PropertiesDialog::~PropertiesDialog() = default;

bool PropertiesDialog::hasChanges() const {
    return std::any_of(pages_.begin(), pages_.end(),
                       [](const PropertyPage* page) { return page->isChanged(); });
}

void PropertiesDialog::updateApplyButton() {
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(hasChanges());
}

bool PropertiesDialog::apply() {
    // Enter presses OK without moving the focus: the field being edited is finished first,
    // as leaving it would.
    if (auto* editing = qobject_cast<FilteredLineEdit*>(QApplication::focusWidget());
        editing != nullptr && isAncestorOf(editing)) {
        editing->finishEditing();
    }
    bool attempted = false;
    bool refused = false;
    for (PropertyPage* page : pages_) {
        if (!page->isChanged()) continue;
        attempted = true;
        if (const std::optional<Refusal> refusal = page->apply(marquee_)) {
            refused = true;
            tabs_->setCurrentWidget(page);
            prompter_.showError(this, windowTitle(), refusalMessage(*refusal));
            if (auto* field = page->findChild<QWidget*>(refusal->field);
                field != nullptr && field->isVisibleTo(page)) {
                field->setFocus(Qt::OtherFocusReason);
            }
            break;
        }
        page->setUnchanged();
    }
    updateApplyButton();
    const bool stored = !attempted || !afterApply_ || afterApply_();
    return !refused && stored;
}

void PropertiesDialog::accept() {
    if (apply()) QDialog::accept();
}

}  // namespace ztk::pages
