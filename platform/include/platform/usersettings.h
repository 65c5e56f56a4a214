// SPDX-License-Identifier: MIT
#pragma once
// Per-user application settings: one INI-style file ~/.config/ZTKMarqueeControl.conf
// (organization "ZTKMarqueeControl", no application name). Section = group, value = key,
// so the packet-dump switch is "DumpOutput/File" and the open-file list "Legendo/File<n>".

#include <QString>
#include <QVariant>

namespace ztk::platform {

// Reads `section`/`key`; a missing value reads as `fallback`.
QVariant readUserSetting(const QString& section, const QString& key,
                         const QVariant& fallback = QString());
// Stores `section`/`key`; true when the settings file was written.
bool writeUserSetting(const QString& section, const QString& key, const QVariant& value);
// Removes `section`/`key`; true when the settings file was written.
bool removeUserSetting(const QString& section, const QString& key);

}  // namespace ztk::platform
