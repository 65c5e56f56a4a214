// SPDX-License-Identifier: MIT
#pragma once
// One sign's stored properties: a group of an INI file that holds the keys the control's
// WriteProperties writes (only the values that differ from their defaults).

#include <QString>

#include <optional>

namespace ztk {
class Marquee;
}

namespace ztk::settings {

// Settings files are small; a larger file is refused before it is read.
inline constexpr qint64 kMaxSettingsFileSize = 16 * 1024 * 1024;

class SettingsFile {
  public:
    SettingsFile(QString path, QString group);

    const QString& path() const { return path_; }
    const QString& group() const { return group_; }

    // Reads the group into `marquee` with ReadProperties, so a missing file, group or key
    // gives the default and a stored value is taken as it is. The reason when the file
    // cannot be read (not a regular file, too large, unreadable, no INI file).
    std::optional<QString> load(Marquee& marquee) const;

    // Writes `marquee`'s properties into the group with WriteProperties; the file's other
    // groups and keys stay. The new content is made in a temporary file beside the file,
    // synced to disk and renamed over it, so an interrupted or failed save leaves the old
    // file whole. The reason when it could not be saved.
    std::optional<QString> save(const Marquee& marquee) const;

  private:
    QString path_;
    QString group_;
};

}  // namespace ztk::settings
