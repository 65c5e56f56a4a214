// SPDX-License-Identifier: MIT
#pragma once
// The command line of marquee: its options, the calls in the order given, and --help.

#include <QString>

#include <optional>
#include <variant>
#include <vector>

#include "settingsfile.h"

namespace ztk::host {

// Where the calls come from: one -e line, or the lines of a -f file ("-": standard input).
struct CallSource {
    bool isFile = false;
    QString value;
};

struct HostOptions {
    std::vector<CallSource> sources;  // in the order given
    bool verbose = false;
    QString outputFile;  // packets go here instead of a sign ("-": standard output)
    QString dumpFile;    // one readable line per packet is appended here
    std::optional<SettingsLocation> settings;      // read before the calls
    std::optional<SettingsLocation> saveSettings;  // written after the calls
    bool help = false;
    bool version = false;
};

// The options of `arguments` (the program name first), or what is wrong with them.
std::variant<HostOptions, QString> parseCommandLine(const QStringList& arguments);

// "Usage: ..." lines, ending in a line feed.
QString usageText();
// The whole --help text.
QString helpText();
// The --version text.
QString versionText();

}  // namespace ztk::host
