// SPDX-License-Identifier: MIT
#include "settingspath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ztk::simapp {
namespace {

const QString kConfigSubfolder = QStringLiteral("orvexsim");
const QString kModelList = QStringLiteral("orvexsim/orvexsim.example.ini");

bool canWriteBeside(const QFileInfo& file) {
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isWritable() && (!file.exists() || file.isWritable());
}

// CMake gives every folder it builds into a CMakeFiles/ of its own; an installation or a
// copy of the program has none.
bool isBuildFolder(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QStringLiteral("CMakeFiles"))).isDir();
}

QString userSettingsFile(const QString& programPath, const QString& configFolder) {
    return QDir(configFolder)
        .filePath(kConfigSubfolder + u'/' + QFileInfo(settingsFileBeside(programPath)).fileName());
}

// Writes a copy of `from` at `to`, whole or not at all; `to` must not exist yet.
bool copyWhole(const QString& from, const QString& to) {
    QFile source(from);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly)) return false;
    // A model list is a few lines; anything far larger is not one.
    constexpr qint64 kLargest = 1 << 20;
    if (source.size() > kLargest) return false;
    const QByteArray content = source.read(kLargest);
    if (!QDir().mkpath(QFileInfo(to).absolutePath())) return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly) || target.write(content) != content.size()) {
        return false;
    }
    if (!target.commit()) return false;
    // The copy is the user's own, whatever the installed file's permissions are.
    QFile::setPermissions(
        to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

}  // namespace

QString settingsFileBeside(const QString& programPath) {
    const qsizetype nameStart = programPath.lastIndexOf(u'/') + 1;
    const qsizetype dot = programPath.lastIndexOf(u'.');
    // A leading dot names a hidden file rather than starting an extension.
    if (dot > nameStart) return programPath.left(dot) + QStringLiteral(".ini");
    return programPath + QStringLiteral(".ini");
}

QString settingsFilePath(const QString& programPath, const QString& configFolder) {
    const QString beside = settingsFileBeside(programPath);
    const QFileInfo file(beside);
    if ((file.exists() || isBuildFolder(file.absolutePath())) && canWriteBeside(file)) {
        return beside;
    }
    return userSettingsFile(programPath, configFolder);
}

QStringList settingsSeeds(const QString& programPath, const QString& configFolder,
                          const QStringList& dataFolders) {
    QStringList seeds{
        QDir(configFolder).filePath(QFileInfo(settingsFileBeside(programPath)).fileName())};
    const QString programFolder = QFileInfo(programPath).absolutePath();
    const QString ownData =
        QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(ZTK_DATADIR_FROM_BINDIR)));
    for (const QString& folder : QStringList{ownData} + dataFolders) {
        const QString seed = QDir(folder).filePath(kModelList);
        if (!seeds.contains(seed)) seeds.append(seed);
    }
    return seeds;
}

QString prepareSettingsFile(const QString& programPath, const QString& configFolder,
                            const QStringList& dataFolders) {
    const QString path = settingsFilePath(programPath, configFolder);
    if (path != userSettingsFile(programPath, configFolder) || QFileInfo::exists(path)) {
        return path;
    }
    for (const QString& seed : settingsSeeds(programPath, configFolder, dataFolders)) {
        if (copyWhole(seed, path)) break;
    }
    return path;
}

}  // namespace ztk::simapp
