// SPDX-License-Identifier: MIT
#pragma once
// ShutdownSignals: SIGTERM, SIGINT and SIGHUP delivered as a Qt signal on the thread that
// runs the event loop, so that `kill`, Ctrl+C or the end of the terminal's session close
// the simulator the way closing its window does. The handler only writes the signal's
// number into a pipe; a socket notifier reads it.

#include <QObject>

class QSocketNotifier;

namespace ztk::simapp {

class ShutdownSignals : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers (once per process). Signals that arrive before a ShutdownSignals
    // exists wait in the pipe. False when the pipe cannot be made.
    static bool install();
    // Whether install() has run in this process (the program does; tests do not, so that the
    // signals keep ending a test run).
    static bool installed();

    // Listens to the pipe of install(), which must have been called.
    explicit ShutdownSignals(QObject* parent = nullptr);

  signals:
    void received(int signalNumber);

  private:
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;  // a child, owned by this object
};

}  // namespace ztk::simapp
