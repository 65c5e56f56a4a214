// SPDX-License-Identifier: MIT
#include "platform/launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <dlfcn.h>

namespace ztk::platform {
namespace {

QString runningProgramFolder() {
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return program.isEmpty() ? QString() : QFileInfo(program).absolutePath();
}

QString executableIn(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return {};
    const QFileInfo candidate(QDir(folder).filePath(name));
    if (candidate.isFile() && candidate.isExecutable()) return candidate.absoluteFilePath();
    return {};
}

// The programs' folder of an installation whose libraries are in `libraryFolder`: bin/ of
// the same prefix, wherever the prefix is.
QString installedProgramsFolder(const QString& libraryFolder) {
    if (libraryFolder.isEmpty()) return {};
    return QDir::cleanPath(QDir(libraryFolder).filePath(QStringLiteral(ZTK_BINDIR_FROM_LIBDIR)));
}

// A path names that file; a bare name is looked up on PATH.
QString resolveOverride(const QString& value) {
    if (!value.contains(QLatin1Char('/'))) return QStandardPaths::findExecutable(value);
    const QFileInfo file(value);
    if (file.isFile() && file.isExecutable()) return file.absoluteFilePath();
    return {};
}

}  // namespace

QString folderOfCode(const void* address) {
    Dl_info info{};
    if (address == nullptr || ::dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    const QString file = QFile::decodeName(info.dli_fname);
    // The loader records libraries by the path it opened, but the main program by the name
    // it was started with, which may be relative to a folder we have since left.
    if (!QFileInfo(file).isAbsolute()) return runningProgramFolder();
    return QDir::cleanPath(QFileInfo(file).absolutePath());
}

QString locateProgram(const QString& name, const QString& firstFolder,
                      const QString& overrideVariable) {
    if (!overrideVariable.isEmpty()) {
        const QString explicitProgram = qEnvironmentVariable(overrideVariable.toLocal8Bit());
        if (!explicitProgram.isEmpty()) return resolveOverride(explicitProgram);
    }
    // A bare name only: anything with a separator could lead out of the folders searched.
    if (name.isEmpty() || name.contains(QLatin1Char('/'))) return {};
    for (const QString& folder :
         {firstFolder, installedProgramsFolder(firstFolder), runningProgramFolder()}) {
        const QString found = executableIn(folder, name);
        if (!found.isEmpty()) return found;
    }
    return QStandardPaths::findExecutable(name);
}

bool startDetached(const QString& program, const QStringList& arguments,
                   const QString& workingFolder) {
    if (program.isEmpty()) return false;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingFolder);
    return process.startDetached();
}

}  // namespace ztk::platform
