// SPDX-License-Identifier: MIT
#pragma once
// Starting another program detached from this one (the control starting the simulator).

#include <QString>
#include <QStringList>

namespace ztk::platform {

// The folder that holds the shared object (or program) that contains `address`,
// found with dladdr; empty when unknown.
QString folderOfCode(const void* address);

// Finds the program `name`: the environment variable `overrideVariable` when set and
// non-empty, then `firstFolder`, then the programs' folder of an installation whose library
// folder is `firstFolder` (bin/ beside lib/), then the folder of the running program, then
// PATH.
// Returns the absolute path of an executable file or an empty string. A set override is
// final: when it names no executable file the result is empty, never another program.
QString locateProgram(const QString& name, const QString& firstFolder,
                      const QString& overrideVariable);

// Starts `program` detached with `arguments` in `workingFolder`; true when it started.
bool startDetached(const QString& program, const QStringList& arguments,
                   const QString& workingFolder);

}  // namespace ztk::platform
