// SPDX-License-Identifier: MIT
#include "platform/usersettings.h"

#include <QSettings>

namespace ztk::platform {
namespace {

// No application name: every program of the system shares the one file, which is what
// lets a host read the dump switch that a user or another tool wrote.
QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("ZTKMarqueeControl"));
}

QString keyPath(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

}  // namespace

QVariant readUserSetting(const QString& section, const QString& key, const QVariant& fallback) {
    return userSettings().value(keyPath(section, key), fallback);
}

bool writeUserSetting(const QString& section, const QString& key, const QVariant& value) {
    QSettings settings = userSettings();
    settings.setValue(keyPath(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool removeUserSetting(const QString& section, const QString& key) {
    QSettings settings = userSettings();
    settings.remove(keyPath(section, key));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace ztk::platform
