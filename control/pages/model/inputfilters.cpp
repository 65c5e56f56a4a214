// SPDX-License-Identifier: MIT
#include "model/inputfilters.h"

namespace ztk::pages {
namespace {

constexpr int kLargestPort = 32767;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The number that the text starts with (digits with at most one point), 0 when there is
// none; as a double, so a long run of digits compares correctly instead of overflowing.
double leadingNumber(const QString& text) {
    qsizetype end = 0;
    bool point = false;
    while (end < text.size() && (isDigit(text[end]) || (text[end] == u'.' && !point))) {
        point = point || text[end] == u'.';
        ++end;
    }
    bool ok = false;
    const double value = text.left(end).toDouble(&ok);
    return ok ? value : 0.0;
}

}  // namespace

std::optional<QChar> filterAddressKey(QChar key, qsizetype length, bool hasSelection) {
    QChar passed;
    if (isDigit(key) || (key >= u'A' && key <= u'F')) {
        passed = key;
    } else if (key >= u'a' && key <= u'f') {
        passed = key.toUpper();
    } else {
        return std::nullopt;
    }
    if (length >= 2 && !hasSelection) return std::nullopt;
    return passed;
}

QString leaveAddress(const QString& text) {
    if (text.isEmpty()) return QStringLiteral("00");
    if (text.size() == 1) return u'0' + text;
    return text;
}

std::optional<QChar> filterPortKey(QChar key) {
    if (isDigit(key) || key == u'.') return key;
    return std::nullopt;
}

QString leavePort(const QString& text) {
    if (text.isEmpty()) return QStringLiteral("0");
    if (leadingNumber(text) > kLargestPort) return QString::number(kLargestPort);
    return text;
}

}  // namespace ztk::pages
