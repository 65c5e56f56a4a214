// SPDX-License-Identifier: MIT
#pragma once
// The error log: one quoted, time-stamped line per failure, appended to a plain text file.

#include <QDateTime>
#include <QString>

namespace ztk {

struct ControlError;

// "Error: " number ", " source "[" routine "]; " text: the message of a routine's failure.
QString failureMessage(const ControlError& error, const QString& routine);

// The log line for `message` written at `when`: "MM-dd-yyyy HH:mm:ss  -->  message" in double
// quotation marks (a quotation mark inside is doubled), then CR LF.
QByteArray formatLogLine(const QDateTime& when, const QString& message);

// Appends the line for `message` to the file `path`, opening and closing it for this line.
// Never fails: a line that cannot be written is lost, and so is one for a path that is
// neither a regular file nor a character device (a named pipe would block the host).
void LogError(const QString& path, const QString& message);

}  // namespace ztk
