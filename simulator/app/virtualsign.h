// SPDX-License-Identifier: MIT
#pragma once
// VirtualSign: the inputs that make the simulator a sign any program can drive over the
// links a real sign has: a TCP port ("-listen") and a serial line played by a
// pseudo-terminal ("-pty"), both honouring the sign's address ("-address").

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "listenaddress.h"
#include "streamreceiver.h"

namespace ztk::simapp {

class CommandLine;
class PtySignInput;
class TcpSignInput;

struct InputOptions {
    std::optional<ListenAddress> listen;
    QString ptyPath;  // empty: no serial line
    SignAddress address;

    bool any() const { return listen.has_value() || !ptyPath.isEmpty(); }
};

// The inputs asked for by "-listen", "-pty" and "-address". Nothing, with `error` set, when
// one of them has no usable value.
std::optional<InputOptions> inputOptions(const CommandLine& commandLine, QString& error);

class VirtualSign : public QObject {
    Q_OBJECT
  public:
    VirtualSign(StreamReceiver::Deliver deliver, StreamReceiver::Note note,
                QObject* parent = nullptr);
    ~VirtualSign() override;

    // Opens the inputs of `options`; false with `error` set when one cannot be opened (none
    // stays open then).
    bool open(const InputOptions& options, QString& error);

    // One line per input, for the person starting the sign: "listening on 127.0.0.1:23001",
    // "serial line at /tmp/ttySign".
    QStringList where() const;

    TcpSignInput* tcp() const { return tcp_.get(); }
    PtySignInput* pty() const { return pty_.get(); }
    // Removes what the inputs left in the file system (the serial line's link).
    void removeTraces();

  private:
    StreamReceiver::Deliver deliver_;
    StreamReceiver::Note note_;
    std::unique_ptr<TcpSignInput> tcp_;
    std::unique_ptr<PtySignInput> pty_;
};

}  // namespace ztk::simapp
