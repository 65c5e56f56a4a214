// SPDX-License-Identifier: MIT
#pragma once
// A pseudo-terminal pair standing in for a serial line: the control opens the slave as its
// COM port, the test reads what arrives on the master.

#include <QByteArray>
#include <QString>

#include <termios.h>

namespace ztk::test {

class PtyPair {
  public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool isOpen() const { return master_ >= 0; }
    // The device path of the slave side, e.g. /dev/pts/3.
    const QString& slavePath() const { return slavePath_; }
    // Reads what has arrived, waiting up to `timeoutMs` for the first byte and then until
    // the line stays quiet for a moment.
    QByteArray read(int timeoutMs = 2000);
    // Waits for the first byte, then returns the line settings the slave has at that moment
    // (the writer is still busy while the master has not read).
    bool settingsWhenDataArrives(termios& settings, int timeoutMs = 5000);

  private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
};

}  // namespace ztk::test
