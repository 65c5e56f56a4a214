// SPDX-License-Identifier: MIT
#pragma once
// The packet dump: with the per-user switch DumpOutput/File set to a writable file, every
// packet sent over the serial line or TCP is appended to it as one readable line.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace ztk {

// `packet` with every byte below 32 or above 126 written as "[" + upper-case hex + "]".
QString EscapeForDump(const QByteArray& packet);

// The dump line: local date and time, " --> ", the escaped packet, line feed.
QByteArray formatDumpLine(const QDateTime& when, const QByteArray& packet);

class PacketDump {
  public:
    // Reads the switch now (only now): the file when it can be opened for appending as a
    // regular file or a character device, otherwise no dump for this object's life.
    PacketDump();
    // The file, or empty when dumping is off.
    const QString& file() const { return file_; }
    // Appends the line for `packet`; failures are ignored.
    void DumpPacket(const QByteArray& packet) const;

  private:
    QString file_;
};

}  // namespace ztk
