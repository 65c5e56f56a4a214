// SPDX-License-Identifier: MIT
#include "ptysigninput.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace ztk::simapp {
namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;
// At most this many chunks are read before the event loop runs again, so a writer that
// never stops cannot freeze the window.
constexpr int kChunksPerWakeUp = 16;
// When the terminal reports an error, reading starts again after this pause rather than
// spinning on a line that keeps reporting it.
constexpr int kRetryMs = 200;

QString systemError(int number) {
    return QString::fromLocal8Bit(std::strerror(number));
}

// The target of the symbolic link at `path`; empty when it is not one.
QByteArray linkTarget(const QByteArray& path) {
    std::array<char, 4096> target{};
    const ssize_t n = ::readlink(path.constData(), target.data(), target.size() - 1);
    return n > 0 ? QByteArray(target.data(), n) : QByteArray();
}

}  // namespace

PtySignInput::PtySignInput(SignAddress address, StreamReceiver::Deliver deliver,
                           StreamReceiver::Note note, QObject* parent)
    : QObject(parent),
      receiver_(address, std::move(deliver), std::move(note), QStringLiteral("the serial line")) {}

PtySignInput::~PtySignInput() {
    removeLink();
    if (master_ >= 0) ::close(master_);
    if (keeper_ >= 0) ::close(keeper_);
}

bool PtySignInput::open(const QString& linkPath, QString& error) {
    const auto fail = [&](const QString& why) {
        error = QStringLiteral("cannot make the serial line at %1: %2").arg(linkPath, why);
        return false;
    };
    if (master_ >= 0) return fail(QStringLiteral("it is made already"));
    const QByteArray link = QFile::encodeName(linkPath);

    // Never replace what the user keeps at that path; only a link into the terminal
    // devices, left by an earlier run that did not end cleanly, may go.
    struct stat existing {};
    const bool exists = ::lstat(link.constData(), &existing) == 0;
    if (exists && !(S_ISLNK(existing.st_mode) && linkTarget(link).startsWith("/dev/pts/")))
        return fail(QStringLiteral("a file of that name exists"));

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0) return fail(systemError(errno));
    std::array<char, 128> name{};
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, name.data(), name.size()) != 0) {
        const int number = errno;
        ::close(master);
        return fail(systemError(number));
    }
    const int keeper = ::open(name.data(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (keeper < 0) {
        const int number = errno;
        ::close(master);
        return fail(systemError(number));
    }
    // Raw, so that what a writer sends arrives byte for byte (no line-end translation).
    termios raw{};
    if (::tcgetattr(keeper, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(keeper, TCSANOW, &raw);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    // A fresh link is made beside the path and renamed over it, so the path never misses.
    const QByteArray fresh = link + ".new-" + QByteArray::number(::getpid());
    ::unlink(fresh.constData());
    if (::symlink(name.data(), fresh.constData()) != 0 ||
        ::rename(fresh.constData(), link.constData()) != 0) {
        const int number = errno;
        ::unlink(fresh.constData());
        ::close(keeper);
        ::close(master);
        return fail(systemError(number));
    }

    master_ = master;
    keeper_ = keeper;
    linkPath_ = linkPath;
    devicePath_ = QString::fromLocal8Bit(name.data());
    linked_ = true;
    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PtySignInput::readAvailable);
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    retry_->setInterval(kRetryMs);
    connect(retry_, &QTimer::timeout, this, [this] { notifier_->setEnabled(true); });
    return true;
}

void PtySignInput::removeLink() {
    if (!linked_) return;
    linked_ = false;
    const QByteArray link = QFile::encodeName(linkPath_);
    // Someone may have put another link there since: only ours goes.
    if (linkTarget(link) == QFile::encodeName(devicePath_)) ::unlink(link.constData());
}

void PtySignInput::readAvailable() {
    std::array<std::uint8_t, kChunkBytes> chunk;
    for (int chunks = 0; chunks < kChunksPerWakeUp;) {
        const ssize_t got = ::read(master_, chunk.data(), chunk.size());
        if (got > 0) {
            ++chunks;
            receiver_.receive(std::span(chunk.data(), static_cast<std::size_t>(got)));
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        // End of file or an error (a hang-up): wait a little and listen again.
        notifier_->setEnabled(false);
        retry_->start();
        return;
    }
}

}  // namespace ztk::simapp
