// SPDX-License-Identifier: MIT
// Where receivers put their sockets: a private folder per user.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/handover.h"

namespace ztk::platform {
namespace {

// sun_path holds 108 bytes with the terminating zero; keep a margin for the suffix.
constexpr qsizetype kMaxSocketPathBytes = 100;

QString candidateDirectory() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return QDir::cleanPath(runtime) + QStringLiteral("/orvexsim");
    return QStringLiteral("/tmp/orvexsim-%1").arg(::geteuid());
}

// What is wrong with `path` as the private folder; empty when nothing is. A folder that
// another user could enter or replace would let that user read packets or pose as the
// simulator, so anything but our own private directory is refused.
QString directoryProblem(const QString& dir, const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
        return QStringLiteral("the socket folder %1 cannot be read: %2")
            .arg(dir, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISDIR(info.st_mode)) {
        return QStringLiteral(
                   "the socket folder %1 is not a folder (a link or a file is in its "
                   "place)")
            .arg(dir);
    }
    if (info.st_uid != ::geteuid()) {
        return QStringLiteral("the socket folder %1 belongs to user %2, not to this user (%3)")
            .arg(dir)
            .arg(info.st_uid)
            .arg(::geteuid());
    }
    if ((info.st_mode & 077) != 0) {
        return QStringLiteral(
                   "the socket folder %1 can be entered by other users (mode %2, "
                   "not 0700)")
            .arg(dir, QStringLiteral("0%1").arg(info.st_mode & 0777, 3, 8, QLatin1Char('0')));
    }
    return {};
}

// The folder, created when missing, and what keeps it from being used (empty when nothing).
std::pair<QString, QString> checkedDirectory() {
    const QString dir = candidateDirectory();
    const QByteArray native = QFile::encodeName(dir);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return {dir, QStringLiteral("the socket folder %1 cannot be created: %2")
                         .arg(dir, QString::fromLocal8Bit(std::strerror(errno)))};
    }
    return {dir, directoryProblem(dir, native)};
}

}  // namespace

QString handoverDirectory() {
    const auto [dir, problem] = checkedDirectory();
    if (problem.isEmpty()) return dir;
    qWarning("handover: %s; not used", qPrintable(problem));
    return {};
}

QString handoverDirectoryProblem() {
    return checkedDirectory().second;
}

QString handoverSocketPath(const QString& className) {
    const QString dir = handoverDirectory();
    if (dir.isEmpty()) return {};
    // Percent-encoding keeps only letters, digits and "-._~", so no class name can reach
    // outside the folder; "#" never survives encoding, which keeps hashed names apart.
    QString name = QString::fromLatin1(QUrl::toPercentEncoding(className));
    const QString suffix = QStringLiteral(".sock");
    if (QFile::encodeName(dir).size() + 1 + name.size() + suffix.size() > kMaxSocketPathBytes) {
        const QByteArray digest =
            QCryptographicHash::hash(className.toUtf8(), QCryptographicHash::Sha256).toHex();
        name = QLatin1Char('#') + QString::fromLatin1(digest.left(32));
    }
    return dir + QLatin1Char('/') + name + suffix;
}

}  // namespace ztk::platform
