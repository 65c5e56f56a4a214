// SPDX-License-Identifier: MIT
#include "aboutdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "appicon.h"
#include "versioninfo.h"

namespace ztk::simapp {

AboutDialog::AboutDialog(const VersionInfo& version, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Orvex Simulator"));

    auto* icon = new QLabel;
    icon->setPixmap(programIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);

    auto* texts = new QGridLayout;
    texts->addWidget(new QLabel(version.fileDescription), 0, 0, 1, 2);
    texts->addWidget(new QLabel(version.legalCopyright), 1, 0, 1, 2);
    texts->addWidget(new QLabel(QStringLiteral("Build:")), 2, 0);
    texts->addWidget(new QLabel(version.fileVersion), 2, 1);
    texts->addWidget(new QLabel(version.specialBuild), 3, 0, 1, 2);
    texts->setColumnStretch(1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace ztk::simapp
