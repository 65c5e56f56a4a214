// marquee: a command-line host for the Marquee control. It owns one Marquee and runs calls
// on it, in order, from -e arguments and -f files (or standard input).
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "linereader.h"
#include "session.h"

namespace {

const char* const kHelp = R"(Usage: marquee [-e LINE]... [-f FILE]...
       marquee -h | --help
Drives one LED sign through the ZTK Marquee control. Calls come one per line from -e
arguments and -f files ("-" reads standard input), run in the order given; both may be
given any number of times.

Calls:
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
  MarqueeLogFile, SerialComPort, SerialBaudRate, SerialParity, SerialDataBits,
  SerialStopBits, NetworkAddress, NetworkPort
Names of calls and properties, and set, get and wait, may be written in any letter case.
A refused set with no source of the control's own names "marquee" as its source; a value
that is no number of the property's type is refused as "error 13 marquee: Type mismatch",
one out of its type's range as "error 6 marquee: Overflow".

Words are split as a POSIX shell splits them: blanks separate words, '...' and "..." quote,
a backslash keeps the next character; \xNN (two hex digits) is the character with that
code, also inside double quotes. A word starting with # begins a comment.

Serial port n is the device named by the setting SerialPorts/COMn in
~/.config/ZTKMarqueeControl.conf (default /dev/ttyS<n-1>); DumpOutput/File there names a
file that receives every packet sent over serial or TCP.

Exit status: 0 when every call returned True (GetSocketState, get and wait always count
as done) and every set was accepted, 1 otherwise, 2 for a line that cannot be understood:
it is reported on standard error with its source and line number, and no later line runs.

Example session: show the template "Line Status" of the example file
examples/factory.xml on a sign at 127.0.0.1:23001, write 1234 into its field "count",
raise the alarm "Fire" (it replaces the template), then acknowledge it (the template
comes back with its fields as they were):
  marquee -f - <<'END'
  set MarqueeConnectMode 1
  set NetworkAddress 127.0.0.1
  set NetworkPort 23001
  set MarqueeLogFile /tmp/marquee-errors.txt
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
)";

struct Source {
    bool isFile;
    QString value;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    std::vector<Source> sources;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"-h" || a == u"--help") {
            out << kHelp;
            return 0;
        }
        if ((a == u"-e" || a == u"-f") && i + 1 < args.size()) {
            sources.push_back({a == u"-f", args[++i]});
            continue;
        }
        err << "marquee: unexpected argument '" << a << "' (see marquee --help)" << Qt::endl;
        return 2;
    }

    int status = 0;
    {
        ztk::host::Session session(out, err);
        int expression = 0;
        for (const Source& source : sources) {
            if (!source.isFile) {
                const QString where = QStringLiteral("-e #%1: line 1").arg(++expression);
                QString line = source.value;
                if (line.endsWith(u'\r')) line.chop(1);
                if (session.runLine(line, where) == ztk::host::LineOutcome::Unparsable) {
                    return 2;
                }
                continue;
            }
            const bool isStdin = source.value == u"-";
            std::FILE* file =
                isStdin ? stdin : std::fopen(QFile::encodeName(source.value).constData(), "r");
            if (file == nullptr) {
                err << "marquee: cannot read " << source.value << ": "
                    << QString::fromLocal8Bit(std::strerror(errno)) << Qt::endl;
                return 2;
            }
            const QString name = isStdin ? QStringLiteral("<stdin>") : source.value;
            ztk::host::LineReader reader(file);
            int number = 0;
            bool stopped = false;
            while (const auto line = reader.next()) {
                const QString where = QStringLiteral("%1: line %2").arg(name).arg(++number);
                if (session.runLine(*line, where) == ztk::host::LineOutcome::Unparsable) {
                    stopped = true;
                    break;
                }
            }
            if (!isStdin) std::fclose(file);
            if (stopped) return 2;
            if (!reader.error().isEmpty()) {
                err << "marquee: cannot read " << name << " after line " << number << ": "
                    << reader.error() << Qt::endl;
                return 2;
            }
        }
        status = session.anyFailure() ? 1 : 0;
    }
    return status;
}
