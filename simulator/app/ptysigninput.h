// SPDX-License-Identifier: MIT
#pragma once
// PtySignInput: the sign on a serial line, played by a pseudo-terminal. The terminal's
// device gets a symbolic link at a path of the user's choice (so COM1 can be mapped to a
// stable name) and is read like a serial line, with the same framing as TCP. The simulator
// keeps the terminal's other side open itself, so a writer that closes the line (as the
// control does after every packet) leaves it ready for the next one. The link is removed
// when the input ends.

#include <QObject>
#include <QString>

#include "streamreceiver.h"

class QSocketNotifier;
class QTimer;

namespace ztk::simapp {

class PtySignInput : public QObject {
    Q_OBJECT
  public:
    PtySignInput(SignAddress address, StreamReceiver::Deliver deliver, StreamReceiver::Note note,
                 QObject* parent = nullptr);
    // Closes the terminal and removes the link if it still leads to it.
    ~PtySignInput() override;

    // Makes the terminal and the link at `linkPath`. A link left at that path by an earlier
    // run (one into /dev/pts) is replaced; any other file there is kept and refused. False
    // with `error` set on failure.
    bool open(const QString& linkPath, QString& error);

    QString linkPath() const { return linkPath_; }
    // The terminal's device, such as /dev/pts/4.
    QString devicePath() const { return devicePath_; }
    const StreamReceiver& receiver() const { return receiver_; }

    // Removes the link if it still leads to this terminal. Safe to call more than once.
    void removeLink();

  private:
    void readAvailable();

    StreamReceiver receiver_;
    int master_ = -1;
    int keeper_ = -1;  // the terminal's own side, held open so that writers may come and go
    QString linkPath_;
    QString devicePath_;
    bool linked_ = false;
    QSocketNotifier* notifier_ = nullptr;  // a child, owned by this object
    QTimer* retry_ = nullptr;              // a child, owned by this object
};

}  // namespace ztk::simapp
