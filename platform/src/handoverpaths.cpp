// Where receivers put their sockets: a private folder per user.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <QtGlobal>

#include <cerrno>

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

// A folder that another user could enter or replace would let that user read packets or
// pose as the simulator, so anything but our own private directory is refused.
bool isPrivateDirectory(const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

}  // namespace

QString handoverDirectory() {
    const QString dir = candidateDirectory();
    const QByteArray native = QFile::encodeName(dir);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        qWarning("handover: cannot create %s", native.constData());
        return {};
    }
    if (!isPrivateDirectory(native)) {
        qWarning("handover: %s is not a private directory of this user; not used",
                 native.constData());
        return {};
    }
    return dir;
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
