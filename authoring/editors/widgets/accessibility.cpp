#include "widgets/accessibility.h"

#include <QAbstractButton>
#include <QLabel>

namespace ztk::legendo {

QString withoutMnemonic(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            // "&&" shows one "&"; a single "&" only marks the shortcut letter.
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(withoutMnemonic(text));
    return label;
}

void nameByCaption(QAbstractButton* button) {
    button->setAccessibleName(withoutMnemonic(button->text()));
}

}  // namespace ztk::legendo
