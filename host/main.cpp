// SPDX-License-Identifier: MIT
// marquee: a command-line host for the Marquee control. It owns one Marquee and runs calls
// on it, in order, from -e arguments and -f files (or standard input).
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "commandline.h"
#include "linereader.h"
#include "outputfile.h"
#include "session.h"

namespace {

using namespace ztk::host;

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Runs every call of `sources` in order; false once a line could not be understood or a
// file could not be read (reported), after which nothing more runs.
bool runSources(Session& session, const std::vector<CallSource>& sources, QTextStream& err) {
    int expression = 0;
    for (const CallSource& source : sources) {
        if (!source.isFile) {
            const QString where = QStringLiteral("-e #%1: line 1").arg(++expression);
            QString line = source.value;
            if (line.endsWith(u'\r')) line.chop(1);
            if (session.runLine(line, where) == LineOutcome::Unparsable) return false;
            continue;
        }
        const bool isStdin = source.value == u"-";
        std::FILE* file =
            isStdin ? stdin : std::fopen(QFile::encodeName(source.value).constData(), "r");
        if (file == nullptr) {
            err << "marquee: cannot read " << source.value << ": "
                << QString::fromLocal8Bit(std::strerror(errno)) << Qt::endl;
            return false;
        }
        const QString name = isStdin ? QStringLiteral("<stdin>") : source.value;
        LineReader reader(file);
        int number = 0;
        bool stopped = false;
        while (const auto line = reader.next()) {
            const QString where = QStringLiteral("%1: line %2").arg(name).arg(++number);
            if (session.runLine(*line, where) == LineOutcome::Unparsable) {
                stopped = true;
                break;
            }
        }
        if (!isStdin) std::fclose(file);
        if (stopped) return false;
        if (!reader.error().isEmpty()) {
            err << "marquee: cannot read " << name << " after line " << number << ": "
                << reader.error() << Qt::endl;
            return false;
        }
    }
    return true;
}

// Opens --output or --dump; null (reported) when it cannot be opened.
std::unique_ptr<OutputFile> openOutput(const QString& path, OutputFile::Mode mode, QTextStream& err,
                                       bool& failed) {
    if (path.isEmpty()) return nullptr;
    QString error;
    auto file = OutputFile::open(path, mode, error);
    if (!file) {
        err << "marquee: " << error << Qt::endl;
        failed = true;
    }
    return file;
}

// Closes an output at the end; false (reported) when its last bytes may be lost.
bool closeOutput(OutputFile* file, QTextStream& err) {
    if (file == nullptr) return true;
    const QString problem = file->close();
    if (!problem.isEmpty()) err << "marquee: " << problem << Qt::endl;
    return problem.isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream standardOutput(stdout);
    QTextStream err(stderr);

    const auto parsed = parseCommandLine(app.arguments());
    if (const auto* problem = std::get_if<QString>(&parsed)) {
        err << "marquee: " << *problem << '\n'
            << usageText() << "Try 'marquee --help' for more information." << Qt::endl;
        return kExitUsage;
    }
    const HostOptions& options = std::get<HostOptions>(parsed);
    if (options.help) {
        standardOutput << helpText();
        return 0;
    }
    if (options.version) {
        standardOutput << versionText();
        return 0;
    }
    if (options.sources.empty() && !options.saveSettings) {
        err << usageText() << "marquee: nothing to do: give calls with -e LINE or -f FILE "
            << "(see marquee --help)" << Qt::endl;
        return kExitUsage;
    }

    bool openFailed = false;
    const auto output = openOutput(options.outputFile, OutputFile::Mode::Truncate, err, openFailed);
    const auto dump = openOutput(options.dumpFile, OutputFile::Mode::Append, err, openFailed);
    if (openFailed) return kExitUsage;
    std::unique_ptr<FilePacketSink> sink;
    if (output) sink = std::make_unique<FilePacketSink>(*output);
    // Packets on standard output leave it to them: the results go with the messages.
    QTextStream& out = options.outputFile == u"-" ? err : standardOutput;

    int status = 0;
    {
        Session session(out, err, {options.verbose, dump.get(), sink.get()});
        if (options.settings) {
            const QString problem = loadSettings(session.marquee(), *options.settings);
            if (!problem.isEmpty()) {
                err << "marquee: " << problem << Qt::endl;
                return kExitUsage;
            }
        }
        if (!runSources(session, options.sources, err)) return kExitUsage;
        if (session.anyFailure() || !session.dumpFailure().isEmpty()) status = kExitFailed;
        if (options.saveSettings) {
            const QString problem = saveSettings(session.marquee(), *options.saveSettings);
            if (!problem.isEmpty()) {
                err << "marquee: " << problem << Qt::endl;
                status = kExitFailed;
            }
        }
    }
    if (!closeOutput(output.get(), err) || !closeOutput(dump.get(), err)) status = kExitFailed;
    return status;
}
