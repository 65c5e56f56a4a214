// SPDX-License-Identifier: MIT
#include "front/errorlog.h"

#include "front/appendfile.h"
#include "front/controlerror.h"

namespace ztk {

QString failureMessage(const ControlError& error, const QString& routine) {
    return QStringLiteral("Error: %1, %2[%3]; %4")
        .arg(QString::number(error.number), error.source, routine, error.text);
}

QByteArray formatLogLine(const QDateTime& when, const QString& message) {
    QString line =
        when.toString(QStringLiteral("MM-dd-yyyy HH:mm:ss")) + QStringLiteral("  -->  ") + message;
    line.replace(u'"', QStringLiteral("\"\""));
    return '"' + line.toUtf8() + "\"\r\n";
}

void LogError(const QString& path, const QString& message) {
    AppendFile(path).write(formatLogLine(QDateTime::currentDateTime(), message));
}

}  // namespace ztk
