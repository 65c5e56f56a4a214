// SPDX-License-Identifier: MIT
#include "newnamedialog.h"

#include "accessiblename.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ztk::legendo {

NewNameDialog::NewNameDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmNewName"));
    setWindowTitle(caption);
    setAccessibleName(caption);

    auto* prompt = new QLabel(QStringLiteral("Enter a new name:"));
    prompt->setObjectName(QStringLiteral("lblPrompt"));
    prompt->setAccessibleName(accessibleNameOf(prompt->text()));

    txtNewName_ = new QLineEdit;
    txtNewName_->setObjectName(QStringLiteral("txtNewName"));
    txtNewName_->setAccessibleName(accessibleNameOf(prompt->text()));
    txtNewName_->setMinimumWidth(260);
    prompt->setBuddy(txtNewName_);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);

    connect(ok, &QPushButton::clicked, this, &NewNameDialog::confirm);
    connect(txtNewName_, &QLineEdit::returnPressed, this, &NewNameDialog::confirm);

    auto* row = new QHBoxLayout;
    row->addWidget(txtNewName_, 1);
    row->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString NewNameDialog::name() const {
    return txtNewName_->text();
}

void NewNameDialog::confirm() {
    ok_ = true;
    accept();
}

}  // namespace ztk::legendo
