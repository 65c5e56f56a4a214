// SPDX-License-Identifier: MIT
// Finding and starting programs the way the control starts the simulator.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/eventwait.h"
#include "platform/launcher.h"
#include "qtprinters.h"

namespace ztk::platform {
namespace {

const QString kSelf = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();

QString makeProgram(const QString& folder, const QString& name, bool executable = true) {
    QFile file(QDir(folder).filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n");
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                        (executable ? QFile::ExeOwner : QFile::Permissions()));
    return file.fileName();
}

TEST(Launcher, FolderOfCodeNamesTheFileThatHoldsIt) {
    EXPECT_EQ(folderOfCode(reinterpret_cast<const void*>(&makeProgram)),
              QFileInfo(kSelf).absolutePath());
    const QString qtFolder = folderOfCode(reinterpret_cast<const void*>(&qVersion));
    EXPECT_TRUE(QFileInfo::exists(qtFolder + QStringLiteral("/libQt6Core.so.6"))) << qtFolder;
    EXPECT_TRUE(folderOfCode(nullptr).isEmpty());
}

TEST(Launcher, LocateProgramPrefersOverrideThenFolderThenBesideProgramThenPath) {
    QTemporaryDir first, onPath;
    const QString name = QStringLiteral("ztk-probe");
    const QString self = QFileInfo(kSelf).fileName();
    makeProgram(onPath.path(), name);
    makeProgram(onPath.path(), self);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(onPath.path()) + ":/usr/bin:/bin");
    const QString var = QStringLiteral("ZTK_PROBE_OVERRIDE");
    auto locate = [&](const QString& program) { return locateProgram(program, first.path(), var); };

    EXPECT_EQ(locate(name), QDir(onPath.path()).filePath(name));
    EXPECT_EQ(locate(self), kSelf);  // beside the running program wins over PATH
    makeProgram(first.path(), name, false);
    EXPECT_EQ(locate(name), QDir(onPath.path()).filePath(name));  // cannot run: passed over
    const QString inFirst = makeProgram(first.path(), name);
    EXPECT_EQ(locate(name), inFirst);

    qputenv("ZTK_PROBE_OVERRIDE", QFile::encodeName(kSelf));
    EXPECT_EQ(locate(name), kSelf);
    // A wrong override is not silently replaced by some other program.
    qputenv("ZTK_PROBE_OVERRIDE", QFile::encodeName(first.filePath(QStringLiteral("missing"))));
    EXPECT_TRUE(locate(name).isEmpty());
    qputenv("ZTK_PROBE_OVERRIDE", "");
    EXPECT_EQ(locate(name), inFirst);
    qunsetenv("ZTK_PROBE_OVERRIDE");
    EXPECT_TRUE(locate(QStringLiteral("../ztk-probe")).isEmpty());
    EXPECT_TRUE(locate(QStringLiteral("no-such-ztk-program")).isEmpty());
    qputenv("PATH", oldPath);
}

TEST(Launcher, LocateProgramFindsTheProgramsOfTheLibrarysInstallation) {
    // A host program built elsewhere, linking a control installed under some prefix: the
    // simulator is in that prefix's bin/, neither beside the library nor on PATH.
    QTemporaryDir prefix, onPath;
    const QString libraryFolder = prefix.filePath(QStringLiteral(ZTK_TEST_LIBDIR));
    const QString programsFolder = prefix.filePath(QStringLiteral(ZTK_TEST_BINDIR));
    ASSERT_TRUE(QDir().mkpath(libraryFolder) && QDir().mkpath(programsFolder));
    const QString name = QStringLiteral("ztk-probe");
    makeProgram(onPath.path(), name);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(onPath.path()));
    const QString installed = makeProgram(programsFolder, name);
    EXPECT_EQ(locateProgram(name, libraryFolder, {}), installed);
    // One beside the library still comes first.
    const QString beside = makeProgram(libraryFolder, name);
    EXPECT_EQ(locateProgram(name, libraryFolder, {}), beside);
    qputenv("PATH", oldPath);
}

TEST(Launcher, StartDetachedRunsInTheGivenFolderAndReportsFailure) {
    QTemporaryDir work;
    const QString marker = work.filePath(QStringLiteral("marker"));
    ASSERT_TRUE(startDetached(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("pwd > m.tmp && mv m.tmp marker")}, work.path()));
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(marker); }, 20, 10000));
    QFile file(marker);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(file.readAll()).trimmed(),
              QFileInfo(work.path()).canonicalFilePath());

    EXPECT_FALSE(startDetached(work.filePath(QStringLiteral("missing")), {}, work.path()));
    EXPECT_FALSE(
        startDetached(QStringLiteral("/bin/true"), {}, work.filePath(QStringLiteral("no"))));
}

}  // namespace
}  // namespace ztk::platform
