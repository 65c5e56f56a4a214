#pragma once
// Helpers of the simulator program's tests: a prompter that records instead of asking, a
// settings file in a fresh folder, a hand-over sender on a thread of its own (as the control
// is another process), and LED read-back from what the window shows.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

}  // namespace ztk::simapp::testing
