// SPDX-License-Identifier: MIT
#include "widgets/aboutpage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "model/pagetexts.h"
#include "model/versiontext.h"
#include "widgets/signpicture.h"

namespace ztk::pages {

// Nothing on this page comes from or goes to the control: it has no model.
AboutPage::AboutPage(QWidget* parent) : PropertyPage(nullptr, parent) {
    setObjectName(QStringLiteral("ppgAbout"));

    auto* title = new QLabel(text::kAboutTitle);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont larger = title->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.6);
    larger.setBold(true);
    title->setFont(larger);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("imgPicture"));
    picture->setPixmap(signPicture());
    picture->setAccessibleName(QStringLiteral("A sign showing ZTK"));

    auto* version = new QLabel(versionText());
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    for (QLabel* label : {title, picture, version}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
        layout->addSpacing(8);
    }
    layout->addStretch(1);
}

QString AboutPage::caption() const {
    return text::kAboutCaption;
}

}  // namespace ztk::pages
