// SPDX-License-Identifier: MIT
#pragma once
// What marquee shows of the control's work: the failures it records (always), and with
// --verbose its packets and waits; it also writes the --dump lines.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTextStream>

#include "ZTKMarqueeControl/marquee.h"
#include "outputfile.h"

namespace ztk::host {

// A dump line: "yyyy-MM-dd HH:mm:ss --> " + the escaped packet + line feed.
QByteArray dumpLine(const QDateTime& when, const QByteArray& packet);

class CallReporter final : public MarqueeListener {
  public:
    // Messages go to `err`; `dump` (may be null) receives a line per packet.
    CallReporter(QTextStream& err, bool verbose, OutputFile* dump)
        : err_(err), verbose_(verbose), dump_(dump) {}

    // Names the call or verb running now in the messages; empty between lines.
    void setContext(const QString& name) { context_ = name; }
    bool verbose() const { return verbose_; }
    // Why the dump could not be written, once it could not; empty while it could.
    const QString& dumpFailure() const { return dumpFailure_; }

    // "marquee: CONTEXT: MESSAGE" on standard error.
    void failureRecorded(const QString& message) override;
    // With --verbose "marquee: sending PACKET"; the dump line.
    void packetSending(const QByteArray& packet) override;
    // With --verbose "marquee: waiting N s REASON".
    void pausing(int milliseconds, const QString& reason) override;
    // With --verbose "marquee: TEXT": what the session itself is about to do.
    void note(const QString& text);

  private:
    QTextStream& err_;
    bool verbose_;
    OutputFile* dump_;
    QString context_;
    QString dumpFailure_;
};

}  // namespace ztk::host
