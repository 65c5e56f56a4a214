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
void writeUserSetting(const QString& section, const QString& key, const QVariant& value);
void removeUserSetting(const QString& section, const QString& key);

}  // namespace ztk::platform
