// SPDX-License-Identifier: MIT
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ZTKMarqueeControl/marquee.h"

namespace ztk::settings {
namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why `info` (an existing path) cannot be used as a settings file, if it cannot.
std::optional<QString> unusable(const QFileInfo& info) {
    if (!info.isFile()) return QStringLiteral("it is not a regular file");
    if (info.size() > kMaxSettingsFileSize) return QStringLiteral("it is larger than 16 MiB");
    return std::nullopt;
}

// Writes all of `bytes` to `fd`.
bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

bool syncPath(const QByteArray& path, int flags) {
    const int fd = ::open(path.constData(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// A temporary file beside the settings file, removed again unless it was renamed.
class TemporaryFile {
  public:
    explicit TemporaryFile(const QFileInfo& target) {
        QByteArray pattern = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") +
                                               target.fileName() + QStringLiteral(".XXXXXX"));
        fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd_ >= 0) path_ = pattern;
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.isEmpty() && !renamed_) ::unlink(path_.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    QString path() const { return QFile::decodeName(path_); }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    bool renameTo(const QByteArray& target) {
        renamed_ = ::rename(path_.constData(), target.constData()) == 0;
        return renamed_;
    }

  private:
    int fd_ = -1;
    QByteArray path_;
    bool renamed_ = false;
};

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

SettingsFile::SettingsFile(QString path, QString group)
    : path_(std::move(path)), group_(std::move(group)) {}

std::optional<QString> SettingsFile::load(Marquee& marquee) const {
    const QFileInfo info(path_);
    marquee.InitProperties();
    if (!info.exists()) return std::nullopt;
    const QString cannot = QStringLiteral("cannot read %1: ").arg(path_);
    if (const auto reason = unusable(info)) return cannot + *reason;
    // Opened once first for the system's reason of a refusal, which QSettings does not tell.
    QFile probe(path_);
    if (!probe.open(QIODevice::ReadOnly)) return cannot + probe.errorString();
    probe.close();

    QSettings settings(path_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return cannot + QStringLiteral("it is not a settings file in INI form");
    SettingsPropertyBag bag(settings, group_);
    marquee.ReadProperties(bag);
    return std::nullopt;
}

std::optional<QString> SettingsFile::save(const Marquee& marquee) const {
    const QString cannot = QStringLiteral("cannot save %1: ").arg(path_);
    const QFileInfo given(path_);
    // A link is followed, so the file it names is replaced and the link stays.
    const QFileInfo target(given.exists() ? given.canonicalFilePath() : given.absoluteFilePath());
    QByteArray current;
    mode_t mode = newFileMode();
    if (target.exists()) {
        if (const auto reason = unusable(target)) return cannot + *reason;
        QFile file(target.filePath());
        if (!file.open(QIODevice::ReadOnly)) return cannot + file.errorString();
        current = file.readAll();
        struct stat status {};
        if (::fstat(file.handle(), &status) == 0) mode = status.st_mode & 07777;
    }

    TemporaryFile temp(target);
    if (temp.fd() < 0) {
        return cannot + QStringLiteral("no temporary file can be made in %1 (%2)")
                            .arg(QDir::toNativeSeparators(target.absolutePath()), systemError());
    }
    // The other groups and keys of the file are kept by starting from its content.
    if (!writeAll(temp.fd(), current) || !temp.close()) return cannot + systemError();
    {
        QSettings settings(temp.path(), QSettings::IniFormat);
        SettingsPropertyBag bag(settings, group_);
        marquee.WriteProperties(bag);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return cannot +
                   QStringLiteral("the new settings could not be written (is the disk full?)");
    }
    const QByteArray tempPath = QFile::encodeName(temp.path());
    if (::chmod(tempPath.constData(), mode) != 0 || !syncPath(tempPath, O_RDONLY))
        return cannot + systemError();
    if (!temp.renameTo(QFile::encodeName(target.filePath()))) return cannot + systemError();
    // The rename itself is on disk once the folder is synced.
    syncPath(QFile::encodeName(target.absolutePath()), O_RDONLY | O_DIRECTORY);
    return std::nullopt;
}

}  // namespace ztk::settings
