// SPDX-License-Identifier: MIT
// legendo: creates and edits the XML message files that the Marquee control shows on
// Orvex LED signs.
#include "dialogprompter.h"
#include "icons.h"
#include "mainwindow.h"
#include "ztkversion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstring>
#include <string>
#include <vector>

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Legendo, the authoring program for message files: templates, multipage templates,\n"
        "text strings and alarms for Orvex LED signs. The open files are remembered in\n"
        "~/.config/ZTKMarqueeControl.conf (group Legendo) and opened again at the next start."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A message file to add to the explorer, after "
                                                "the files open at the last close."),
                                 QStringLiteral("[file...]"));
}

void nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("legendo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZTK_VERSION_STRING));
}

// --help and --version answer without a display.
bool asksForInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* flag : {"-h", "--help", "--help-all", "-v", "--version", "-?"}) {
            if (std::strcmp(argv[i], flag) == 0) return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (asksForInformation(argc, argv)) {
        QCoreApplication core(argc, argv);
        nameProgram();
        QCommandLineParser parser;
        describe(parser);
        parser.process(core);
        return 0;
    }

    QApplication app(argc, argv);
    nameProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral("legendo"));
    QApplication::setWindowIcon(ztk::legendo::programIcon());
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);

    std::vector<std::string> files;
    for (const QString& argument : parser.positionalArguments())
        files.push_back(QFileInfo(argument).absoluteFilePath().toStdString());

    ztk::legendo::DialogPrompter prompter;
    ztk::legendo::MainWindow window(prompter);
    prompter.setParent(&window);
    window.show();
    window.startUp(files);
    return QApplication::exec();
}
