// SPDX-License-Identifier: MIT
#pragma once
// The one rule for accessible names in legendo: a control is named by its visible label or
// caption without the "&" that marks its shortcut ("&&" shows, and names, one "&") and
// without a trailing colon, so that a screen reader says "Rows, edit" and a tool looking
// for the "Rows" box finds it by that name.

#include <QString>

namespace ztk::legendo {

inline QString accessibleNameOf(const QString& label) {
    QString name;
    name.reserve(label.size());
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == u'&') {
            if (i + 1 < label.size() && label[i + 1] == u'&') {
                name += u'&';
                ++i;
            }
            continue;
        }
        name += label[i];
    }
    if (name.endsWith(u':')) name.chop(1);
    return name;
}

}  // namespace ztk::legendo
