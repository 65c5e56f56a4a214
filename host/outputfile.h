// SPDX-License-Identifier: MIT
#pragma once
// A file that marquee writes as it goes (packets, dump lines): standard output, a regular
// file, a device or a pipe with a reader. Every write is checked to its last byte.

#include <QByteArray>
#include <QString>

#include <memory>

namespace ztk::host {

class OutputFile {
  public:
    enum class Mode { Truncate, Append };

    // Opens `path` ("-": standard output) for writing, without blocking on a named pipe
    // that nobody reads. Null with `error` set when it cannot be opened.
    static std::unique_ptr<OutputFile> open(const QString& path, Mode mode, QString& error);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Writes all of `bytes`. Empty on success, otherwise "cannot write NAME: reason"; after
    // a failure every later write fails the same way.
    QString write(const QByteArray& bytes);
    // Closes the file; empty unless closing fails (after writes that all succeeded), when
    // the last bytes may be lost.
    QString close();
    // The name given ("-" as "standard output").
    const QString& name() const { return name_; }

  private:
    OutputFile(int fd, QString name, bool owned) : fd_(fd), name_(std::move(name)), owned_(owned) {}
    QString failure(int error);

    int fd_;
    QString name_;
    bool owned_;
    QString failure_;
};

}  // namespace ztk::host

#include "ZTKMarqueeControl/marquee.h"

namespace ztk::host {

// Packets written raw to an output file in place of a sign.
class FilePacketSink final : public PacketSink {
  public:
    explicit FilePacketSink(OutputFile& file) : file_(file) {}
    QString take(const QByteArray& packet) override { return file_.write(packet); }

  private:
    OutputFile& file_;
};

}  // namespace ztk::host
