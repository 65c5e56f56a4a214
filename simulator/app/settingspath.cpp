#include "settingspath.h"

#include <QDir>
#include <QFileInfo>

namespace ztk::simapp {

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
    const QFileInfo folder(file.absolutePath());
    const bool writable =
        folder.isDir() && folder.isWritable() && (!file.exists() || file.isWritable());
    if (writable) return beside;
    return QDir(configFolder).filePath(file.fileName());
}

}  // namespace ztk::simapp
