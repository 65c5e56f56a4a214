// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the simulator program's tests: a prompter that records instead of asking, a
// settings file in a fresh folder, a hand-over sender on a thread of its own (as the control
// is another process), and LED read-back from what the window shows.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>

#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

#include "prompter.h"
#include "simcore/displaymodel.h"
#include "simcore/ledbitmap.h"

namespace ztk::simapp {
class ScreenImage;
}

namespace ztk::simapp::testing {

// Records the text of every warning; never shows anything.
class RecordingPrompter final : public Prompter {
  public:
    void warning(QWidget*, const QString&, const QString& text) override { texts.push_back(text); }
    std::vector<QString> texts;
};

// A fresh folder with the path of a settings file inside it (not yet created).
class SettingsFolder {
  public:
    QString settingsPath() const { return dir_.filePath(QStringLiteral("orvexsim.ini")); }
    QString path() const { return dir_.path(); }
    // Writes `text` as the settings file.
    void write(const QByteArray& text) const;

  private:
    QTemporaryDir dir_;
};

// A window class no other test uses.
QString uniqueClassName();

// Sends one copy-data record to the receiver of `className` from another thread, as the
// control does, keeping this thread's event loop running until the answer arrives. Nothing
// when no receiver answered.
std::optional<std::int64_t> sendCopyData(const QString& className, std::uint64_t kind,
                                         const QByteArray& data);
// Sends a close record the same way; true when it was answered.
bool sendClose(const QString& className);

// An Orvex packet: six SOH, "Z00", STX, `command`, EOT.
QByteArray packet(const std::string& command);

// What a sign of `model` shows after `packets` (586 or 842 by content, as the control
// chooses) and `steps` engine steps, rendered offline.
sim::LedBitmap ledsRendered(const sim::DisplayModel& model, const std::vector<QByteArray>& packets,
                            int steps);

// Runs the event loop until `image` shows `expected` (read at the centre of each LED's dot)
// or `timeoutMs` pass; true when it did.
bool waitForLeds(const ScreenImage& image, const sim::DisplayModel& model, int zoom,
                 const sim::LedBitmap& expected, int timeoutMs = 5000);

// Runs `work` on a thread of its own while this thread's event loop runs (a hand-over
// client waits synchronously for a receiver that this thread serves).
bool runOnOtherThread(const std::function<void()>& work, int timeoutMs = 20000);

// The real program, copied into a private folder so that its settings file (beside it) is
// the test's own.
class ProgramCopy {
  public:
    ProgramCopy();
    QString path() const;
    QString settingsPath() const;
    QString folder() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};

// The real program started with posix_spawn (which ThreadSanitizer follows), its standard
// output and error going to files. Killed when destroyed if it still runs.
class RunningProgram {
  public:
    // `environment` entries ("NAME=value", or "NAME=" to remove NAME) change this process's
    // environment for the program.
    RunningProgram(const QString& program, const QStringList& arguments,
                   const QStringList& environment = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    // Keeps the event loop running until the program ends; its exit status, 128 + the
    // signal that ended it, or nothing after `timeoutMs`.
    std::optional<int> waitForExit(int timeoutMs = 20000);
    // Runs the event loop until the standard output holds `text`.
    bool waitForOutput(const QString& text, int timeoutMs = 20000);
    QString standardOutput() const;
    QByteArray standardOutputBytes() const;
    QString standardError() const;
    void sendSignal(int number) const;

  private:
    QTemporaryDir dir_;
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// The program's environment for a run without any display: no DISPLAY, WAYLAND_DISPLAY or
// QT_QPA_PLATFORM.
QStringList withoutDisplay();

}  // namespace ztk::simapp::testing
