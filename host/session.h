// SPDX-License-Identifier: MIT
#pragma once
// Runs the calls of a marquee session against one Marquee: "set PROPERTY VALUE",
// "get PROPERTY", "wait MS", or a public method with its arguments.

#include <QString>
#include <QTextStream>

#include "ZTKMarqueeControl/marquee.h"
#include "callreporter.h"
#include "outputfile.h"

namespace ztk::host {

enum class LineOutcome { Succeeded, Failed, Unparsable };

// How a session shows and sends what it does.
struct SessionSetup {
    bool verbose = false;        // echo calls with their results, show packets and waits
    OutputFile* dump = nullptr;  // receives a dump line per packet
    PacketSink* sink = nullptr;  // takes the packets instead of a sign
};

class Session {
  public:
    // Results go to `out`, messages to `err`.
    Session(QTextStream& out, QTextStream& err, const SessionSetup& setup = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs one line (comments and blank lines do nothing). `where` names the line in
    // messages, e.g. "script.txt:3" or "-e #2".
    LineOutcome runLine(const QString& line, const QString& where);
    // True once any call returned False or any set was refused.
    bool anyFailure() const { return anyFailure_; }
    // Why the dump could not be written; empty while it could.
    const QString& dumpFailure() const { return reporter_.dumpFailure(); }
    Marquee& marquee() { return marquee_; }

  private:
    LineOutcome run(const QStringList& words, QString& problem);
    LineOutcome setProperty(const QString& name, const QString& value, QString& problem);
    LineOutcome getProperty(const QString& name, QString& problem);
    LineOutcome callMethod(const QStringList& words, QString& problem);
    // Warns about each attribute word of `words` that its table does not know.
    void warnUnknownWords(const QStringList& words);
    // With --verbose, says so before a call that connects over TCP.
    void noteConnect(const QStringList& words);

    QTextStream& out_;
    QTextStream& err_;
    CallReporter reporter_;  // outlives the control, which reports to it until its end
    bool sinkAttached_;
    Marquee marquee_;
    bool anyFailure_ = false;
};

}  // namespace ztk::host
