// SPDX-License-Identifier: MIT
#include "aboutdialog.h"

#include "icons.h"
#include "legendo/prompter.h"
#include "ztkversion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ztk::legendo {

QString versionText() {
    return QStringLiteral("Version: %1.%2.%3")
        .arg(ZTK_VERSION_MAJOR)
        .arg(ZTK_VERSION_MINOR)
        .arg(ZTK_VERSION_REVISION);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setAccessibleName(QStringLiteral("About"));

    auto* logo = new QLabel;
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setPixmap(logoPixmap(64));
    logo->setAccessibleName(QStringLiteral("Legendo logo"));
    logo->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(QString::fromLatin1(kProgramTitle));
    product->setObjectName(QStringLiteral("lblProduct"));
    product->setAccessibleName(product->text());
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);

    auto* version = new QLabel(versionText());
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAccessibleName(version->text());

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace ztk::legendo
