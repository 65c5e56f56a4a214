// SPDX-License-Identifier: MIT
// marquee-settings: edits one sign's stored Marquee properties in an INI settings file on
// the control's property pages.
#include <QApplication>

#include <cstdio>

#include "ZTKMarqueePages/pageprompter.h"
#include "settingscommandline.h"
#include "settingstool.h"

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

int main(int argc, char** argv) {
    // Help, version and a wrong command line need no display: they are answered before the
    // application object connects to one.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const ztk::settings::CommandLine line = ztk::settings::parseCommandLine(arguments);
    switch (line.action) {
        case ztk::settings::CommandLine::Action::Help:
            print(stdout, ztk::settings::helpText());
            return 0;
        case ztk::settings::CommandLine::Action::Version:
            print(stdout, ztk::settings::versionText());
            return 0;
        case ztk::settings::CommandLine::Action::Fail:
            print(stderr, QStringLiteral("marquee-settings: %1 (see marquee-settings --help)\n")
                              .arg(line.error));
            return 2;
        case ztk::settings::CommandLine::Action::Edit:
            break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marquee-settings"));
    ztk::pages::DialogPrompter prompter;
    ztk::settings::SettingsTool tool({line.file, line.group}, prompter);
    if (const auto error = tool.open()) {
        print(stderr, QStringLiteral("marquee-settings: %1\n").arg(*error));
        return 1;
    }
    return tool.exec();
}
