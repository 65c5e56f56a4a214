// SPDX-License-Identifier: MIT
#pragma once
// What the file choosers of the "General" page are given: their filters in the form the
// desktop's file dialog takes, and the file name they start with.

#include <QString>
#include <QStringList>

namespace ztk::pages {

// Turns a filter of description and pattern pairs separated by vertical bars
// ("XML Files(*.xml)|*.xml|All Files (*.*)|*.*") into file-dialog name filters, one per pair,
// each a description followed by its patterns in parentheses. "*.*" stands for every file,
// so it becomes "*" (on this system "*.*" would hide the files without an extension).
QStringList nameFilters(const QString& barSeparated);

// The file name a chooser starts with: the text box's text, or nothing when that text cannot
// name a file at all (a NUL character, or a name longer than the system takes).
QString chooserPreset(const QString& text);

}  // namespace ztk::pages
