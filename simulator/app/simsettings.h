// SPDX-License-Identifier: MIT
#pragma once
// The simulator's settings file: an INI file with the sections "Settings" (the model line,
// zoom, clock, window position and stay-on-top) and "Displays" (the models offered by the
// Change Display dialog, keys D001, D002, ...).

#include <QSettings>
#include <QString>
#include <QStringList>

namespace ztk::simapp {

// Keys of the "Settings" section.
namespace key {
inline const QString kCmdInfo = QStringLiteral("cmdInfo");
inline const QString kZoom = QStringLiteral("Zoom");
inline const QString kHour24 = QStringLiteral("24Hour");
inline const QString kLeft = QStringLiteral("left");
inline const QString kTop = QStringLiteral("top");
inline const QString kTopmost = QStringLiteral("Topmost");
inline const QString kExtendedMem = QStringLiteral("ExtendedMem");
}  // namespace key

class SimSettings {
  public:
    // Reads and writes the INI file at `path`; every write reaches the file at once.
    explicit SimSettings(const QString& path);

    QString path() const { return settings_.fileName(); }

    // The text of "Settings"/`name`; empty when missing.
    QString text(const QString& name) const;
    void setText(const QString& name, const QString& value);
    // The integer of "Settings"/`name`: its leading digits with an optional sign, or
    // `fallback` when the key is missing or holds no number.
    int integer(const QString& name, int fallback) const;
    void setInteger(const QString& name, int value);

    // The "Displays" lines from D001 upwards, up to the first missing or empty key.
    QStringList displays() const;
    // Writes "Displays"/D<number> (three digits at least).
    void setDisplay(int number, const QString& line);

  private:
    QString read(const QString& group, const QString& name) const;

    QSettings settings_;
};

// The key of display number `number` in "Displays": "D%03d".
QString displayKey(int number);

}  // namespace ztk::simapp
