// SPDX-License-Identifier: MIT
// orvexsim: a simulated Orvex LED sign on screen, fed the same packets as a real sign by the
// control in simulate mode, and as a virtual sign over TCP and a serial line.
#include <QApplication>
#include <QStandardPaths>

#include <cstdio>

#include "appicon.h"
#include "commandline.h"
#include "helptext.h"
#include "prompter.h"
#include "readback.h"
#include "settingspath.h"
#include "shutdownsignals.h"
#include "simulatorapp.h"
#include "virtualsign.h"

namespace {

void print(std::FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    if (ztk::simapp::asksForHelp(arguments)) {
        print(stdout, ztk::simapp::helpText());
        return 0;
    }
    if (ztk::simapp::asksForVersion(arguments)) {
        print(stdout, ztk::simapp::versionText());
        return 0;
    }
    const ztk::simapp::CommandLine commandLine = ztk::simapp::CommandLine::parse(arguments);
    // Qt sees only the program's name: its own options ("-title", "-display", ...) would
    // otherwise take ours and their values.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    if (ztk::simapp::isReadBackStart(commandLine)) {
        // Reading back needs no display.
        QCoreApplication app(qtArgc, qtArgv);
        return ztk::simapp::runReadBack(commandLine, stdout, stderr);
    }

    // Flags without a usable value are refused before a display is needed.
    QString inputError;
    if (!ztk::simapp::inputOptions(commandLine, inputError)) {
        print(stderr, QStringLiteral("orvexsim: %1 (see orvexsim --help)\n").arg(inputError));
        return 2;
    }
    // Installed before anything else, so that a signal during start-up waits for the window.
    ztk::simapp::ShutdownSignals::install();
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("orvexsim"));
    QApplication::setWindowIcon(ztk::simapp::programIcon());

    const QString settingsPath = ztk::simapp::prepareSettingsFile(
        QCoreApplication::applicationFilePath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
    ztk::simapp::MessageBoxPrompter prompter;
    ztk::simapp::SimulatorApp simulator(settingsPath, prompter);
    simulator.setEndHandler([] { QCoreApplication::exit(0); });
    using Result = ztk::simapp::SimulatorApp::StartResult;
    switch (simulator.start(arguments)) {
        case Result::Running:
            for (const QString& line : simulator.where())
                print(stdout, line + u'\n');
            return QApplication::exec();
        case Result::AlreadyRunning:
            return 1;
        case Result::NoReceiver:
            print(stderr, QStringLiteral("orvexsim: cannot register the window class \"%1\": no "
                                         "private folder for its socket\n")
                              .arg(simulator.options().className));
            return 1;
        case Result::BadArguments:
            print(stderr,
                  QStringLiteral("orvexsim: %1 (see orvexsim --help)\n").arg(simulator.error()));
            return 2;
        case Result::InputFailed:
            print(stderr, QStringLiteral("orvexsim: %1\n").arg(simulator.error()));
            return 1;
    }
    return 1;
}
