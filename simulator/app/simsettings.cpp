// SPDX-License-Identifier: MIT
#include "simsettings.h"

#include <QVariant>

#include <limits>

namespace ztk::simapp {
namespace {

const QString kSettingsGroup = QStringLiteral("Settings");
const QString kDisplaysGroup = QStringLiteral("Displays");
// The Displays list is read up to this key at most, so a damaged file cannot make the dialog
// read without end.
constexpr int kMaxDisplays = 999;

}  // namespace

SimSettings::SimSettings(const QString& path) : settings_(path, QSettings::IniFormat) {}

QString SimSettings::read(const QString& group, const QString& name) const {
    const QVariant value = settings_.value(group + u'/' + name);
    // An unquoted value with commas (a model line written by hand) reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(","));
    return value.toString();
}

QString SimSettings::text(const QString& name) const {
    return read(kSettingsGroup, name);
}

void SimSettings::setText(const QString& name, const QString& value) {
    settings_.setValue(kSettingsGroup + u'/' + name, value);
    settings_.sync();
}

int SimSettings::integer(const QString& name, int fallback) const {
    const QString value = text(name).trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < value.size() && (value[pos] == u'-' || value[pos] == u'+')) {
        negative = value[pos] == u'-';
        ++pos;
    }
    const qsizetype digits = pos;
    long long number = 0;
    while (pos < value.size() && value[pos].isDigit() && value[pos].unicode() < 128) {
        number = std::min<long long>(number * 10 + (value[pos].unicode() - '0'),
                                     std::numeric_limits<int>::max());
        ++pos;
    }
    if (pos == digits) return fallback;
    return static_cast<int>(negative ? -number : number);
}

void SimSettings::setInteger(const QString& name, int value) {
    setText(name, QString::number(value));
}

QStringList SimSettings::displays() const {
    QStringList lines;
    for (int number = 1; number <= kMaxDisplays; ++number) {
        const QString line = read(kDisplaysGroup, displayKey(number));
        if (line.isEmpty()) break;
        lines.append(line);
    }
    return lines;
}

void SimSettings::setDisplay(int number, const QString& line) {
    settings_.setValue(kDisplaysGroup + u'/' + displayKey(number), line);
    settings_.sync();
}

QString displayKey(int number) {
    return QStringLiteral("D%1").arg(number, 3, 10, QChar(u'0'));
}

}  // namespace ztk::simapp
