#pragma once
// Where the simulator keeps its settings file.

#include <QString>

namespace ztk::simapp {

// The settings file beside the program at `programPath`: the path with the extension of its
// file name (from the last ".") replaced by ".ini", or ".ini" appended when the file name has
// none. A dot in a folder name is never taken for the extension.
QString settingsFileBeside(const QString& programPath);

// The settings file to use: the one beside the program when that file can be written there
// (the folder is writable and the file, if present, too); otherwise a file of the same name
// in `configFolder` (the user's config folder).
QString settingsFilePath(const QString& programPath, const QString& configFolder);

}  // namespace ztk::simapp
