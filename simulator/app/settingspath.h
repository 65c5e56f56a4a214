// SPDX-License-Identifier: MIT
#pragma once
// Where the simulator keeps its settings file.
//
// A simulator run from the folder it was built in, or a portable copy that has a writable
// orvexsim.ini beside it, keeps its settings beside the program. Any other — an installed
// one above all, whose folder (/usr/bin) is no place for a user's settings — keeps them in
// the user's config folder as orvexsim/orvexsim.ini, seeded on its first start.

#include <QString>
#include <QStringList>

namespace ztk::simapp {

// The settings file beside the program at `programPath`: the path with the extension of its
// file name (from the last ".") replaced by ".ini", or ".ini" appended when the file name has
// none. A dot in a folder name is never taken for the extension.
QString settingsFileBeside(const QString& programPath);

// The settings file to use for the program at `programPath`: the one beside it when it was
// built there (its folder is a CMake build folder) or when that file exists already, and
// either way only when it can be written there; otherwise orvexsim/<name>.ini in
// `configFolder` (the user's config folder).
QString settingsFilePath(const QString& programPath, const QString& configFolder);

// The files a new settings file in the user's config folder starts as, the first that exists
// winning: the file of the same name directly in `configFolder` (where earlier versions kept
// it, so nothing a user set is lost), then the installed list of models, in the data folder
// of the program's own installation (share/ beside bin/) and then in `dataFolders`.
QStringList settingsSeeds(const QString& programPath, const QString& configFolder,
                          const QStringList& dataFolders);

// The settings file for the program at `programPath`, as settingsFilePath() chooses it. A
// file in the config folder that does not exist yet is made from the first of
// settingsSeeds() that can be read; without one the program starts with no settings, as
// before. Returns the path either way.
QString prepareSettingsFile(const QString& programPath, const QString& configFolder,
                            const QStringList& dataFolders);

}  // namespace ztk::simapp
