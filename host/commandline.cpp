// SPDX-License-Identifier: MIT
#include "commandline.h"

#include <QCommandLineParser>

#include "ztkversion.h"

namespace ztk::host {
namespace {

constexpr int kHelpWidth = 92;
constexpr int kOptionColumn = 32;

struct OptionSpec {
    QStringList names;
    QString valueName;  // empty for a switch
    QString description;
};

const std::vector<OptionSpec>& optionSpecs() {
    static const std::vector<OptionSpec> specs{
        {{"e", "execute"}, "LINE", "run LINE as one call"},
        {{"f", "file"},
         "FILE",
         "run the calls of FILE, one a line (\"-\" reads standard input, where each call runs "
         "as its line arrives)"},
        {{"o", "output"},
         "FILE",
         "write every packet, raw and in order, to FILE (\"-\": standard output) instead of "
         "sending it to a sign: nothing is connected, no simulator starts and Initialize does "
         "not pause; with \"-\" the results go to standard error"},
        {{"dump"},
         "FILE",
         "append one readable line per packet to FILE, in every connect mode (the format of "
         "the DumpOutput/File dump)"},
        {{"settings"},
         "FILE[:GROUP]",
         "before the calls, read the control's properties from group GROUP (default "
         "\"Marquee\") of the INI file FILE, as stored (no set rules)"},
        {{"save-settings"},
         "FILE[:GROUP]",
         "after the calls, write the control's properties into that group of FILE, keeping "
         "its other groups (through a temporary file and a rename)"},
        {{"v", "verbose"},
         "",
         "echo each call with its result (\"Initialize -> True\"), and show on standard error "
         "each packet as the dump writes it, each wait and each connect"},
        {{"h", "help"}, "", "show this text"},
        {{"version"}, "", "show the program's version"},
    };
    return specs;
}

// `tokens`, each kept whole, joined by blanks into lines of at most `width` characters; the
// first line continues one of `firstColumn` characters, the others start after `indent`.
QString wrap(const QStringList& tokens, int indent, int firstColumn, int width) {
    QString out;
    int column = firstColumn;
    for (const QString& token : tokens) {
        if (column > indent && column + 1 + token.size() > width) {
            out += u'\n' + QString(indent, u' ');
            column = indent;
        } else if (column > indent) {
            out += u' ';
            ++column;
        }
        out += token;
        column += static_cast<int>(token.size());
    }
    return out;
}

QString wrap(const QString& text, int indent, int firstColumn, int width) {
    return wrap(text.split(u' ', Qt::SkipEmptyParts), indent, firstColumn, width);
}

QString optionsHelp() {
    QString out;
    for (const OptionSpec& spec : optionSpecs()) {
        QString names;
        for (const QString& name : spec.names)
            names += (names.isEmpty() ? "" : ", ") + QString(name.size() == 1 ? "-" : "--") + name;
        if (spec.names.front().size() > 1) names = "    " + names;
        if (!spec.valueName.isEmpty()) names += u' ' + spec.valueName;
        QString line = "  " + names;
        if (line.size() + 1 >= kOptionColumn) {
            line += u'\n' + QString(kOptionColumn, u' ');
        } else {
            line = line.leftJustified(kOptionColumn);
        }
        out += line + wrap(spec.description, kOptionColumn, kOptionColumn, kHelpWidth) + u'\n';
    }
    out += "  --" + QString(kOptionColumn - 4, u' ') + "ends the options\n";
    return out;
}

QString wordsHelp() {
    const std::pair<const char*, Marquee::AttributeTable> tables[] = {
        {"Colours (COLOR)", Marquee::AttributeTable::Color},
        {"Fonts (FONT)", Marquee::AttributeTable::Font},
        {"Modes (MODE)", Marquee::AttributeTable::Mode},
        {"Specials (SPECIAL)", Marquee::AttributeTable::Special},
        {"Positions (POSITION)", Marquee::AttributeTable::Position},
    };
    QString out;
    for (const auto& [title, table] : tables) {
        const QStringList words = Marquee::AttributeWords(table);
        QStringList numbered;
        for (qsizetype i = 0; i < words.size(); ++i)
            numbered << QStringLiteral("%1 %2%3").arg(i).arg(words[i],
                                                             i + 1 < words.size() ? "," : "");
        const QString line = QStringLiteral("  %1:").arg(QLatin1String(title));
        out += line + wrap(numbered, 4, static_cast<int>(line.size()), kHelpWidth) + u'\n';
    }
    return out;
}

const char* const kCallsHelp = R"help(
Calls, one a line:
  set PROPERTY VALUE   set a property; a refusal prints "error NUMBER SOURCE: TEXT" on
                       standard error
  get PROPERTY         print the property's value
  wait MS              keep the event loop running for MS milliseconds
  METHOD [ARG]...      call a public method of the control and print its result on its own
                       line: True, False, or the socket state text of GetSocketState.
                       Optional arguments left out are 0, False or empty. Numbers are
                       decimal 16-bit integers; OPENCLOSEPERPACKET is True or False
                       (also 1, -1 or 0).

Methods: AlarmAdd, AlarmAcknowledge, AlarmAcknowledgeAll, ChangeMode MODE, Clear,
  Initialize [STRINGSIZE], QuickDisplay TEXT [COLOR FONT MODE SPECIAL POSITION], Reset,
  UpdateVariable NAME VALUE, UpdateVariableAdv NAME VALUE [COLOR FLASH],
  InitializeAdv [STRINGSIZE OPENCLOSEPERPACKET], ResetCommunication, GetSocketState
Properties: MessageFile, TemplateName, StringName, AlarmName, MarqueeConnectMode
  (0 serial, 1 TCP/IP, 2 simulate), MarqueeDisplayMode, MarqueeType, MarqueeAddress,
  MarqueeLogFile, SerialComPort, SerialBaudRate, SerialParity (None, Even, Odd, Mark or
  Space), SerialDataBits, SerialStopBits, NetworkAddress, NetworkPort
Names of calls and properties, and set, get and wait, may be written in any letter case.
A refused set with no source of the control's own names "marquee" as its source; a value
that is no number of the property's type is refused as "error 13 marquee: Type mismatch",
one out of its type's range as "error 6 marquee: Overflow".

Words of QuickDisplay and UpdateVariableAdv, in any letter case or as their numbers; an
empty word is the default, an unknown one is warned about on standard error
("marquee: warning: unknown colour 'Purple' (sent as the default)") and sent as the default:
)help";

const char* const kRestHelp = R"help(
Words are split as a POSIX shell splits them: blanks separate words, '...' and "..." quote,
a backslash keeps the next character; \xNN (two hex digits) is the character with that
code, also inside double quotes. A word starting with # begins a comment.

Failures: every failure the control records during a call is printed on standard error as
"marquee: CALL: MESSAGE", MESSAGE being the text of the error-log line (for example
"marquee: Initialize: SOCKET Error: 10061, wskLAN; Connection refused.  STATE=Error [9]"),
whether or not MarqueeLogFile is set; the log file gets its lines only when it was set
at Initialize.

Serial port n is the device named by the setting SerialPorts/COMn in the file
ZTKMarqueeControl.conf of $XDG_CONFIG_HOME (~/.config by default), else /dev/ttyS<n-1>;
DumpOutput/File there names a file that receives every packet sent over serial or TCP.

Exit status: 0 when every call returned True (GetSocketState, get and wait always count
as done) and every set was accepted, 1 otherwise or when a packet, dump or settings file
could not be written, 2 for a bad command line, nothing to do, a file that cannot be
read, or a line that cannot be understood: it is reported on standard error with its
source and line number, and no later line runs.

Example session: show the template "Line Status" of the example file
examples/factory.xml on a sign at 127.0.0.1:23001, write 1234 into its field "count",
raise the alarm "Fire" (it replaces the template), then acknowledge it (the template
comes back with its fields as they were):
  marquee -f - <<'END'
  set MarqueeConnectMode 1
  set NetworkAddress 127.0.0.1
  set NetworkPort 23001
  set MessageFile examples/factory.xml
  Initialize
  set TemplateName "Line Status"
  ChangeMode TEMPLATE
  UpdateVariable count 1234
  UpdateVariableAdv state RUNNING Green 1
  set AlarmName Fire
  AlarmAdd
  AlarmAcknowledge
  END
Without a sign: marquee --output - -e Initialize -e 'QuickDisplay HELLO Green' |
  orvexsim-render --ansi -
)help";

}  // namespace

QString usageText() {
    return QStringLiteral(
        "Usage: marquee [OPTION]... (-e LINE | -f FILE)...\n"
        "       marquee [--settings FILE[:GROUP]] --save-settings FILE[:GROUP] [-e LINE]...\n");
}

QString helpText() {
    return usageText() +
           "Drives one LED sign through the ZTK Marquee control. Calls come one a line from -e\n"
           "arguments and -f files, run in the order given; both may be given any number of "
           "times.\n\nOptions:\n" +
           optionsHelp() + QLatin1String(kCallsHelp) + wordsHelp() + QLatin1String(kRestHelp);
}

QString versionText() {
    return QStringLiteral("marquee " ZTK_VERSION_STRING "\n");
}

std::variant<HostOptions, QString> parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    for (const OptionSpec& spec : optionSpecs())
        parser.addOption(QCommandLineOption(spec.names, spec.description, spec.valueName));
    if (!parser.parse(arguments)) return parser.errorText();
    if (!parser.positionalArguments().isEmpty()) {
        return QStringLiteral("unexpected argument '%1' (calls are given with -e LINE or -f FILE)")
            .arg(parser.positionalArguments().front());
    }

    HostOptions options;
    options.help = parser.isSet("help");
    options.version = parser.isSet("version");
    options.verbose = parser.isSet("verbose");
    // values() keeps the order within one option; optionNames() the order across options.
    const QStringList lines = parser.values("execute");
    const QStringList files = parser.values("file");
    qsizetype nextLine = 0;
    qsizetype nextFile = 0;
    for (const QString& name : parser.optionNames()) {
        if (name == u"e" || name == u"execute")
            options.sources.push_back({false, lines[nextLine++]});
        if (name == u"f" || name == u"file") options.sources.push_back({true, files[nextFile++]});
    }
    const auto single = [&](const char* name, QString& value) -> QString {
        const QStringList values = parser.values(QLatin1String(name));
        if (values.size() > 1) return QStringLiteral("--%1 may be given once").arg(name);
        value = values.value(0);
        if (parser.isSet(QLatin1String(name)) && value.isEmpty()) {
            return QStringLiteral("--%1 needs a file name").arg(name);
        }
        return {};
    };
    for (const auto& [name, target] :
         {std::pair<const char*, QString*>{"output", &options.outputFile},
          {"dump", &options.dumpFile}}) {
        if (QString problem = single(name, *target); !problem.isEmpty()) return problem;
    }
    for (const auto& [name, target] :
         {std::pair<const char*, std::optional<SettingsLocation>*>{"settings", &options.settings},
          {"save-settings", &options.saveSettings}}) {
        QString text;
        if (QString problem = single(name, text); !problem.isEmpty()) return problem;
        if (text.isEmpty()) continue;
        *target = parseSettingsLocation(text);
        if (!*target) return QStringLiteral("--%1: '%2' is no FILE or FILE:GROUP").arg(name, text);
    }
    return options;
}

}  // namespace ztk::host
