// SPDX-License-Identifier: MIT
#include "settingsfile.h"

#include <QFile>
#include <QSettings>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace ztk::host {
namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Empty when `file` is a regular file (or, with `mayBeMissing`, does not exist); otherwise
// why it cannot hold settings. A named pipe or a device would block or never end.
QString checkRegular(const QString& file, bool mayBeMissing) {
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0) {
        if (errno == ENOENT && mayBeMissing) return {};
        return systemError(errno);
    }
    if (S_ISDIR(info.st_mode)) return systemError(EISDIR);
    if (!S_ISREG(info.st_mode)) return QStringLiteral("not a regular file");
    return {};
}

QString statusText(QSettings::Status status) {
    switch (status) {
        case QSettings::NoError:
            return {};
        case QSettings::AccessError:
            return QStringLiteral("no access, or no room for the new file beside it");
        case QSettings::FormatError:
            return QStringLiteral("it is not an INI file");
    }
    return QStringLiteral("failed");
}

// Stores every property, those at their defaults too, so that a saved group always exists
// and shows each setting of the sign; reading falls back to the defaults either way.
class CompleteGroupBag final : public PropertyBag {
  public:
    CompleteGroupBag(QSettings& settings, const QString& group)
        : settings_(settings), group_(group) {}
    QVariant read(const QString& name, const QVariant& fallback) override {
        return settings_.value(group_ + u'/' + name, fallback);
    }
    void write(const QString& name, const QVariant& value, const QVariant&) override {
        settings_.setValue(group_ + u'/' + name, value);
    }

  private:
    QSettings& settings_;
    QString group_;
};

}  // namespace

std::optional<SettingsLocation> parseSettingsLocation(const QString& text) {
    SettingsLocation where{text, QLatin1String(kDefaultSettingsGroup)};
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon >= 0 && !text.mid(colon + 1).contains(u'/')) {
        where.file = text.left(colon);
        where.group = text.mid(colon + 1);
    }
    if (where.file.isEmpty() || where.group.isEmpty()) return std::nullopt;
    return where;
}

QString loadSettings(Marquee& marquee, const SettingsLocation& where) {
    const QString prefix = QStringLiteral("cannot read settings from %1: ").arg(where.file);
    if (QString problem = checkRegular(where.file, false); !problem.isEmpty()) {
        return prefix + problem;
    }
    // QSettings reads an unreadable file as an empty one: find out first.
    QFile probe(where.file);
    if (!probe.open(QIODevice::ReadOnly)) return prefix + probe.errorString();
    probe.close();

    QSettings settings(where.file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) return prefix + statusText(settings.status());
    const QStringList groups = settings.childGroups();
    if (!groups.contains(where.group)) {
        return QStringLiteral("settings file %1 has no group [%2] (groups: %3)")
            .arg(where.file, where.group,
                 groups.isEmpty() ? QStringLiteral("none") : groups.join(QStringLiteral(", ")));
    }
    SettingsPropertyBag bag(settings, where.group);
    marquee.ReadProperties(bag);
    return {};
}

QString saveSettings(const Marquee& marquee, const SettingsLocation& where) {
    const QString prefix = QStringLiteral("cannot save settings to %1: ").arg(where.file);
    if (QString problem = checkRegular(where.file, true); !problem.isEmpty()) {
        return prefix + problem;
    }
    // QSettings writes the whole file anew into a temporary file beside it and renames that
    // over the old one; with atomic sync required it refuses rather than write in place.
    QSettings settings(where.file, QSettings::IniFormat);
    settings.setAtomicSyncRequired(true);
    // A file it cannot read would be rewritten without what it holds.
    if (settings.status() != QSettings::NoError) return prefix + statusText(settings.status());
    CompleteGroupBag bag(settings, where.group);
    marquee.WriteProperties(bag);
    settings.sync();
    if (settings.status() != QSettings::NoError) return prefix + statusText(settings.status());
    return {};
}

}  // namespace ztk::host
