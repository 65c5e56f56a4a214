// SPDX-License-Identifier: MIT
#pragma once
// The simulator's command line: flags that begin with "-" or "/", each with an optional value,
// and the start-up choices they make together with the stored model line.

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>

#include "simcore/displaymodel.h"

namespace ztk::simapp {

class CommandLine {
  public:
    // Reads `arguments` (without the program name) in order. An argument that begins with "-"
    // or "/" is a flag: its name (without the sign, compared case-sensitively) is stored with
    // the value "TRUE" and becomes the pending flag. Any other argument is the value of the
    // pending flag, which is then cleared; with no flag pending it is ignored. The flags that
    // name a file (kPathFlags) take the argument after them as it is, so that a path may
    // begin with "/" and "-" may stand for standard output.
    static CommandLine parse(const QStringList& arguments);

    bool has(const QString& key) const { return values_.contains(key); }
    // The value of `key`; empty when the key is missing.
    QString value(const QString& key) const { return values_.value(key); }
    // The leading decimal digits of the value of `key` (0 when there are none, saturated at
    // the largest int); `fallback` when the key is missing.
    int decimal(const QString& key, int fallback) const;
    // The leading hexadecimal digits of the value of `key` (0 when there are none, saturated
    // at 0xFFFFFFFF); `fallback` when the key is missing.
    std::uint32_t hexadecimal(const QString& key, std::uint32_t fallback) const;

  private:
    QHash<QString, QString> values_;
};

// Flags whose value is a path: "-pty PATH", "-snapshot FILE", "-leds FILE".
inline const QStringList kPathFlags = {QStringLiteral("pty"), QStringLiteral("snapshot"),
                                       QStringLiteral("leds")};

// The window class the simulator registers when the command line names none.
inline const QString kDefaultClassName = QStringLiteral("OrvexSimWnd");
// Height of the link bar along the bottom of the window; "nolink" makes it 0.
inline constexpr int kLinkBarHeight = 20;

struct StartupOptions {
    QString className = kDefaultClassName;
    int linkBarHeight = kLinkBarHeight;
    sim::DisplayModel model;
};

// The class, link bar and display model to start with. The model comes from the command line
// (keys "title", "x", "y", "c", "m", "o", "f" over the defaults) when it holds a "title" or
// `storedModelLine` is empty, otherwise from `storedModelLine`. A stored line that does not
// parse gives the command-line model, and sizes and colours are brought into the range the
// simulator can show, so that a damaged settings file or a stray "-x 0" still gives a sign.
StartupOptions startupOptions(const CommandLine& commandLine, const QString& storedModelLine);

}  // namespace ztk::simapp
