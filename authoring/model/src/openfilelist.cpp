// SPDX-License-Identifier: MIT
#include "legendo/openfilelist.h"

#include <QSettings>
#include <QStringList>

namespace ztk::legendo {
namespace {

constexpr const char* kGroup = "Legendo";

// The per-user store every program of the system shares: organization only, no
// application name, so one file ~/.config/ZTKMarqueeControl.conf.
QSettings userSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("ZTKMarqueeControl"));
}

}  // namespace

std::vector<std::string> readOpenFileList() {
    std::vector<std::string> files;
    QSettings settings = userSettings();
    settings.beginGroup(QString::fromLatin1(kGroup));
    for (const QString& name : settings.childKeys()) {
        const QString path = settings.value(name).toString();
        if (!path.isEmpty()) files.push_back(path.toStdString());
    }
    return files;
}

bool writeOpenFileList(const std::vector<std::pair<int, std::string>>& files) {
    QSettings settings = userSettings();
    settings.remove(QString::fromLatin1(kGroup));
    settings.beginGroup(QString::fromLatin1(kGroup));
    for (const auto& [index, path] : files) {
        settings.setValue(QStringLiteral("File") + QString::number(index),
                          QString::fromStdString(path));
    }
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace ztk::legendo
