#pragma once
// Runs the calls of a marquee session against one Marquee: "set PROPERTY VALUE",
// "get PROPERTY", "wait MS", or a public method with its arguments.

#include <QString>
#include <QTextStream>

#include "ZTKMarqueeControl/marquee.h"

namespace ztk::host {

enum class LineOutcome { Succeeded, Failed, Unparsable };

class Session {
  public:
    Session(QTextStream& out, QTextStream& err);

    // Runs one line (comments and blank lines do nothing). `where` names the line in
    // messages, e.g. "script.txt:3" or "-e #2".
    LineOutcome runLine(const QString& line, const QString& where);
    // True once any call returned False or any set was refused.
    bool anyFailure() const { return anyFailure_; }

  private:
    LineOutcome run(const QStringList& words, QString& problem);
    LineOutcome setProperty(const QString& name, const QString& value, QString& problem);
    LineOutcome getProperty(const QString& name, QString& problem);
    LineOutcome callMethod(const QStringList& words, QString& problem);

    QTextStream& out_;
    QTextStream& err_;
    Marquee marquee_;
    bool anyFailure_ = false;
};

}  // namespace ztk::host
