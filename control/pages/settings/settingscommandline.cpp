// SPDX-License-Identifier: MIT
#include "settingscommandline.h"

#include "ztkversion.h"

namespace ztk::settings {
namespace {

CommandLine failure(const QString& error) {
    CommandLine line;
    line.error = error;
    return line;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QStringList positional;
    bool options = true;
    for (const QString& argument : arguments) {
        if (options && argument == u"--") {
            options = false;
        } else if (options && (argument == u"-h" || argument == u"--help")) {
            return {CommandLine::Action::Help};
        } else if (options && argument == u"--version") {
            return {CommandLine::Action::Version};
        } else if (options && argument.startsWith(u'-') && argument.size() > 1) {
            return failure(QStringLiteral("unknown option '%1'").arg(argument));
        } else {
            positional << argument;
        }
    }
    if (positional.isEmpty()) return failure(QStringLiteral("no settings file given"));
    if (positional.size() > 2)
        return failure(QStringLiteral("unexpected argument '%1'").arg(positional[2]));
    CommandLine line;
    line.action = CommandLine::Action::Edit;
    line.file = positional[0];
    if (positional.size() == 2) line.group = positional[1];
    if (line.file.isEmpty()) return failure(QStringLiteral("the settings file name is empty"));
    if (line.group.isEmpty()) return failure(QStringLiteral("the group name is empty"));
    return line;
}

QString helpText() {
    return QStringLiteral(
        "Usage: marquee-settings FILE [GROUP]\n"
        "       marquee-settings --help | --version\n"
        "Edits the stored properties of one Marquee control on its property pages (General,\n"
        "Communication, About). FILE is an INI settings file with one group per sign; GROUP\n"
        "names the sign (default \"Marquee\"). A missing file or group starts from the\n"
        "properties of a new control.\n"
        "\n"
        "OK and Apply set the changed pages' values through the control's own rules (a refused\n"
        "value is shown and nothing after it on its page is set), then write the group back:\n"
        "the values that differ from their defaults, one key per property (MessageFile,\n"
        "TemplateName, StringName, AlarmName, MarqueeConnectMode, MarqueeDisplayMode,\n"
        "MarqueeType, MarqueeAddress, MarqueeLogFile, SerialComPort, SerialBaudRate,\n"
        "SerialParity, SerialDataBits, SerialStopBits, NetworkAddress, NetworkPort). The file's\n"
        "other groups and keys stay. The new file is written beside the old one and renamed\n"
        "over it, so an interrupted save never leaves a half-written settings file.\n"
        "\n"
        "Example FILE:\n"
        "  [Lobby]\n"
        "  MarqueeConnectMode=1\n"
        "  NetworkAddress=192.0.2.10\n"
        "  NetworkPort=3001\n"
        "  [Hall]\n"
        "  SerialComPort=2\n"
        "  SerialBaudRate=19200\n"
        "\n"
        "Exit status: 0 when the dialog was closed with everything applied saved, 1 when the\n"
        "file cannot be read or the last save failed, 2 for a wrong command line.\n");
}

QString versionText() {
    return QStringLiteral("marquee-settings " ZTK_VERSION_STRING "\n");
}

}  // namespace ztk::settings
