// SPDX-License-Identifier: MIT
#pragma once
// A control's stored properties in an INI file, one group per sign: FILE[:GROUP].

#include <QString>

#include <optional>

#include "ZTKMarqueeControl/marquee.h"

namespace ztk::host {

inline constexpr const char* kDefaultSettingsGroup = "Marquee";

struct SettingsLocation {
    QString file;
    QString group;
};

// "FILE" or "FILE:GROUP" (the group after the last colon, when that part holds no "/");
// nothing when the file or the group is empty.
std::optional<SettingsLocation> parseSettingsLocation(const QString& text);

// Reads every property of `marquee` from the group, as stored (ReadProperties: no set
// rules). Empty on success, otherwise why not: the file cannot be read, is no INI file, or
// has no such group (the message names the groups it has).
QString loadSettings(Marquee& marquee, const SettingsLocation& where);

// Writes every property of `marquee` into the group (WriteProperties), those at their
// defaults too, keeping the file's other groups. The file is replaced through a temporary
// file and a rename, so an interrupted save leaves the old file whole. Empty on success,
// otherwise why not.
QString saveSettings(const Marquee& marquee, const SettingsLocation& where);

}  // namespace ztk::host
