// SPDX-License-Identifier: MIT
#pragma once
// Runs the built marquee program as a user does, while serving this thread's event loop
// (a loopback peer of the test needs it).

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <ostream>

#include "platform/eventwait.h"

// Readable failure messages for the texts the program prints.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace ztk::test {

struct Outcome {
    int status = -1;
    QByteArray out;
    QString err;
    QString text() const { return QString::fromUtf8(out); }
};

struct RunSetup {
    QByteArray input;  // standard input
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

inline Outcome runMarquee(const QStringList& args, const RunSetup& setup = {}) {
    QProcess process;
    process.setProcessEnvironment(setup.environment);
    process.start(QStringLiteral(MARQUEE_PROGRAM), args);
    if (!process.waitForStarted()) return {};
    process.write(setup.input);
    process.closeWriteChannel();
    if (!platform::waitUntil([&] { return process.state() == QProcess::NotRunning; }, 20, 60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace ztk::test
