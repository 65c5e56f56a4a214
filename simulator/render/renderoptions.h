// SPDX-License-Identifier: MIT
#pragma once
// The command line of orvexsim-render.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "simcore/displaymodel.h"
#include "simcore/screenbitmap.h"
#include "simcore/timedate.h"

namespace ztk::render {

// One packet argument: a file of packets back to back ("-": standard input), or the bytes of
// one packet given in hexadecimal.
struct PacketArg {
    enum class Source { File, Hex } source = Source::File;
    std::string text;  // the file name, or the hexadecimal digits
};

struct RenderOptions {
    sim::DisplayModel model;  // defaults: "Orvex 5210C,120,24,3,3FFF,3FF,77"
    int zoom = 5;
    long steps = 100;
    std::uint32_t seed = 1;
    std::optional<sim::ClockValue> time;  // none: the local time
    bool hour24 = false;
    std::string pngFile;
    std::string ledsFile;  // "-" for standard output
    bool ansi = false;
    bool help = false;
    bool version = false;
    std::vector<PacketArg> packets;  // in the order given
};

// Most steps one run may take (about 28 hours of sign time).
inline constexpr long kMaxSteps = 10'000'000;

// The options of `args` (without the program name), or a message saying what is wrong.
std::variant<RenderOptions, std::string> parseArguments(const std::vector<std::string>& args);

// The usage lines.
std::string usageLines();
// The --version text.
std::string versionText();

// "YYYY-MM-DDTHH:MM" as a clock value with its weekday; nothing when malformed or invalid.
std::optional<sim::ClockValue> parseTime(const std::string& text);

// The --help text.
std::string usage();

}  // namespace ztk::render
