// Finding and starting programs the way the control starts the simulator.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

#include "platform/eventwait.h"
#include "platform/launcher.h"
#include "qtprinters.h"

namespace ztk::platform {
namespace {

QString testProgramFolder() {
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath())
        .absolutePath();
}

QString makeProgram(const QString& folder, const QString& name, bool executable = true) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    file.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                   : QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// Sets an environment variable for one scope.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)) {
        had_ = qEnvironmentVariableIsSet(name);
        qputenv(name, value);
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

  private:
    const char* name_;
    QByteArray old_;
    bool had_ = false;
};

TEST(Launcher, FolderOfCodeNamesTheFileThatHoldsIt) {
    EXPECT_EQ(folderOfCode(reinterpret_cast<const void*>(&testProgramFolder)), testProgramFolder());
    const QString qtFolder = folderOfCode(reinterpret_cast<const void*>(&qVersion));
    EXPECT_TRUE(QFileInfo::exists(qtFolder + QStringLiteral("/libQt6Core.so.6")))
        << qtFolder.toStdString();
    EXPECT_FALSE(qtFolder.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(folderOfCode(nullptr).isEmpty());
}

TEST(Launcher, LocateProgramPrefersOverrideThenFolderThenBesideProgramThenPath) {
    QTemporaryDir first, onPath, chosen;
    const QString self =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).fileName();
    const QString name = QStringLiteral("ztk-probe");
    makeProgram(onPath.path(), name);
    makeProgram(onPath.path(), self);
    const ScopedEnv path("PATH", QFile::encodeName(onPath.path()) + ":/usr/bin:/bin");
    const char* var = "ZTK_PROBE_OVERRIDE";

    EXPECT_EQ(locateProgram(name, first.path(), QString::fromLatin1(var)),
              QDir(onPath.path()).filePath(name));
    // Beside the running program wins over PATH.
    EXPECT_EQ(locateProgram(self, first.path(), QString::fromLatin1(var)),
              QDir(testProgramFolder()).filePath(self));
    // A file that cannot run is passed over.
    makeProgram(first.path(), name, false);
    EXPECT_EQ(locateProgram(name, first.path(), QString::fromLatin1(var)),
              QDir(onPath.path()).filePath(name));
    const QString inFirst = makeProgram(first.path(), name);
    EXPECT_EQ(locateProgram(name, first.path(), QString::fromLatin1(var)), inFirst);

    const QString explicitProgram = makeProgram(chosen.path(), QStringLiteral("my-sim"));
    {
        const ScopedEnv set(var, QFile::encodeName(explicitProgram));
        EXPECT_EQ(locateProgram(name, first.path(), QString::fromLatin1(var)), explicitProgram);
    }
    {
        // A bare name in the override is looked up on PATH.
        const ScopedEnv set(var, name.toLatin1());
        EXPECT_EQ(locateProgram(name, first.path(), QString::fromLatin1(var)),
                  QDir(onPath.path()).filePath(name));
    }
    {
        // A wrong override is not silently replaced by some other program.
        const ScopedEnv set(var, QFile::encodeName(chosen.path() + QStringLiteral("/missing")));
        EXPECT_TRUE(locateProgram(name, first.path(), QString::fromLatin1(var)).isEmpty());
    }
    {
        const ScopedEnv set(var, QByteArray());
        EXPECT_EQ(locateProgram(name, first.path(), QString::fromLatin1(var)), inFirst);
    }
    EXPECT_TRUE(locateProgram(QStringLiteral("../ztk-probe"), first.path(), {}).isEmpty());
    EXPECT_TRUE(locateProgram(QStringLiteral("no-such-ztk-program"), first.path(), {}).isEmpty());
}

TEST(Launcher, StartDetachedRunsInTheGivenFolderAndReportsFailure) {
    QTemporaryDir work;
    const QString marker = work.filePath(QStringLiteral("marker"));
    ASSERT_TRUE(startDetached(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("pwd > marker.tmp && mv marker.tmp marker")},
        work.path()));
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(marker); }, 20, 10000));
    QFile file(marker);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(file.readAll()).trimmed(),
              QFileInfo(work.path()).canonicalFilePath());

    EXPECT_FALSE(startDetached(work.filePath(QStringLiteral("missing")), {}, work.path()));
    EXPECT_FALSE(startDetached(QString(), {}, work.path()));
    EXPECT_FALSE(startDetached(QStringLiteral("/bin/sh"),
                               {QStringLiteral("-c"), QStringLiteral("true")},
                               work.filePath(QStringLiteral("no-such-folder"))));
}

}  // namespace
}  // namespace ztk::platform
