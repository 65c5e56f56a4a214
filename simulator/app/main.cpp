// orvexsim: a simulated Orvex LED sign on screen, fed the same packets as a real sign by the
// control in simulate mode.
#include <QApplication>
#include <QStandardPaths>

#include <cstdio>

#include "appicon.h"
#include "prompter.h"
#include "settingspath.h"
#include "simulatorapp.h"

int main(int argc, char** argv) {
    // Our own flags are read before Qt takes the ones it knows (a platform plugin may claim
    // "-title", for one).
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvexsim"));
    QApplication::setWindowIcon(ztk::simapp::programIcon());

    const QString settingsPath = ztk::simapp::settingsFilePath(
        QCoreApplication::applicationFilePath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    ztk::simapp::MessageBoxPrompter prompter;
    ztk::simapp::SimulatorApp simulator(settingsPath, prompter);
    switch (simulator.start(arguments)) {
        case ztk::simapp::SimulatorApp::StartResult::Running:
            return QApplication::exec();
        case ztk::simapp::SimulatorApp::StartResult::AlreadyRunning:
            return 1;
        case ztk::simapp::SimulatorApp::StartResult::NoReceiver:
            std::fprintf(stderr,
                         "orvexsim: cannot register the window class \"%s\": no private "
                         "folder for its socket\n",
                         simulator.options().className.toLocal8Bit().constData());
            return 1;
    }
    return 1;
}
