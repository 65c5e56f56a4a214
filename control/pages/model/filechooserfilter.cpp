// SPDX-License-Identifier: MIT
#include "model/filechooserfilter.h"

#include <QFile>
#include <QRegularExpression>

#include <climits>

namespace ztk::pages {
namespace {

QString dialogPatterns(const QString& patterns) {
    QStringList parts = patterns.split(u';', Qt::SkipEmptyParts);
    for (QString& part : parts) {
        part = part.trimmed();
        if (part == u"*.*") part = QStringLiteral("*");
    }
    return parts.join(u' ');
}

}  // namespace

QStringList nameFilters(const QString& barSeparated) {
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = barSeparated.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // The description may already show its patterns; the dialog reads the patterns from
        // the last parentheses, so they are replaced by the pattern part of the pair.
        QString description = parts[i];
        description.remove(trailingPatterns);
        filters << description + QStringLiteral(" (") + dialogPatterns(parts[i + 1]) + u')';
    }
    return filters;
}

QString chooserPreset(const QString& text) {
    if (text.contains(QChar(u'\0'))) return QString();
    const QByteArray encoded = QFile::encodeName(text);
    if (encoded.size() >= PATH_MAX) return QString();
    for (const QByteArray& part : encoded.split('/')) {
        if (part.size() > NAME_MAX) return QString();
    }
    return text;
}

}  // namespace ztk::pages
