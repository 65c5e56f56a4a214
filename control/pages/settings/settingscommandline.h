// SPDX-License-Identifier: MIT
#pragma once
// The command line of marquee-settings: FILE [GROUP], --help, --version.

#include <QString>
#include <QStringList>

namespace ztk::settings {

// The group edited when none is given.
inline const QString kDefaultGroup = QStringLiteral("Marquee");

struct CommandLine {
    enum class Action { Edit, Help, Version, Fail };
    Action action = Action::Fail;
    QString file;
    QString group = kDefaultGroup;
    QString error;  // why the command line was refused (Fail)
};

// Reads the arguments after the program name.
CommandLine parseCommandLine(const QStringList& arguments);

// What --help prints.
QString helpText();
// What --version prints.
QString versionText();

}  // namespace ztk::settings
