// SPDX-License-Identifier: MIT
#include "callreporter.h"

namespace ztk::host {

QByteArray dumpLine(const QDateTime& when, const QByteArray& packet) {
    return (when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" --> ") +
            Marquee::EscapedPacket(packet))
               .toLatin1() +
           '\n';
}

void CallReporter::failureRecorded(const QString& message) {
    err_ << "marquee: ";
    if (!context_.isEmpty()) err_ << context_ << ": ";
    err_ << message << Qt::endl;
}

void CallReporter::packetSending(const QByteArray& packet) {
    if (verbose_) err_ << "marquee: sending " << Marquee::EscapedPacket(packet) << Qt::endl;
    if (dump_ == nullptr || !dumpFailure_.isEmpty()) return;
    dumpFailure_ = dump_->write(dumpLine(QDateTime::currentDateTime(), packet));
    if (!dumpFailure_.isEmpty()) err_ << "marquee: " << dumpFailure_ << Qt::endl;
}

void CallReporter::pausing(int milliseconds, const QString& reason) {
    note(QStringLiteral("waiting %1 s %2").arg(milliseconds / 1000.0).arg(reason));
}

void CallReporter::note(const QString& text) {
    if (verbose_) err_ << "marquee: " << text << Qt::endl;
}

}  // namespace ztk::host
