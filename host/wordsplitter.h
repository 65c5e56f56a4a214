// SPDX-License-Identifier: MIT
#pragma once
// Splits one call line into words the way a POSIX shell does: blanks separate words,
// single quotes keep everything, double quotes keep everything but \" \\ \$ \`, a backslash
// outside quotes keeps the next character, and "#" at the start of a word begins a comment.
// Outside single quotes \xNN (two hex digits) stands for the character with that code.

#include <QString>
#include <QStringList>

#include <optional>

namespace ztk::host {

struct SplitResult {
    QStringList words;
    QString error;  // empty when the line was understood
};

SplitResult splitWords(const QString& line);

}  // namespace ztk::host
