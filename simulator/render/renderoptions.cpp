// SPDX-License-Identifier: MIT
#include "renderoptions.h"

#include <QCommandLineParser>
#include <QStringList>

#include <charconv>

#include "ztkversion.h"

namespace ztk::render {

namespace {

template <typename T>
std::optional<T> parseNumber(const std::string& text, T min, T max) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end || value < min || value > max) return std::nullopt;
    return value;
}

bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leapYear(y) ? 29 : kDays[m - 1];
}

// Day of the week, 0 = Sunday (Zeller's congruence in the Gregorian calendar).
int weekday(int y, int m, int d) {
    if (m < 3) {
        m += 12;
        --y;
    }
    const int k = y % 100;
    const int j = y / 100;
    const int h = (d + 13 * (m + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;  // 0 = Saturday
    return (h + 6) % 7;
}

}  // namespace

std::optional<sim::ClockValue> parseTime(const std::string& t) {
    // YYYY-MM-DDTHH:MM
    if (t.size() != 16 || t[4] != '-' || t[7] != '-' || (t[10] != 'T' && t[10] != 't') ||
        t[13] != ':')
        return std::nullopt;
    const auto year = parseNumber<int>(t.substr(0, 4), 1900, 9999);
    const auto month = parseNumber<int>(t.substr(5, 2), 1, 12);
    const auto day = parseNumber<int>(t.substr(8, 2), 1, 31);
    const auto hour = parseNumber<int>(t.substr(11, 2), 0, 23);
    const auto minute = parseNumber<int>(t.substr(14, 2), 0, 59);
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    if (*day > daysInMonth(*year, *month)) return std::nullopt;
    return sim::ClockValue{*year, *month, *day, weekday(*year, *month, *day), *hour, *minute};
}

namespace {

// The options that take a value, by name.
const char* const kValueOptions[] = {"model", "zoom", "steps", "seed", "time", "png", "leds", "x"};

bool takesValue(const QString& name) {
    for (const char* option : kValueOptions) {
        if (name == QLatin1String(option)) return true;
    }
    return false;
}

// The order in which `args` give -x values and PACKET files: true for an -x, false for a
// file. QCommandLineParser keeps the order within each kind only; every option here is
// parsed as a long option ("-x" included), so each argument is an option, its value, or a
// file, and "--" ends the options.
std::vector<bool> packetOrder(const QStringList& args) {
    std::vector<bool> order;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (optionsEnded || a == u"-" || !a.startsWith(u'-')) {
            order.push_back(false);
            continue;
        }
        if (a == u"--") {
            optionsEnded = true;
            continue;
        }
        const QString name = a.mid(a.startsWith(u"--") ? 2 : 1).section(u'=', 0, 0);
        if (name == u"x") order.push_back(true);
        if (takesValue(name) && !a.contains(u'=')) ++i;
    }
    return order;
}

QString text(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size()));
}

std::string local(const QString& s) {
    return s.toLocal8Bit().toStdString();
}

}  // namespace

std::variant<RenderOptions, std::string> parseArguments(const std::vector<std::string>& args) {
    QStringList arguments{QStringLiteral("orvexsim-render")};
    for (const std::string& a : args)
        arguments << text(a);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : kValueOptions)
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("V")));
    for (const char* name : {"24h", "ansi", "version"})
        parser.addOption(QCommandLineOption(QLatin1String(name)));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    if (!parser.parse(arguments)) return local(parser.errorText());

    RenderOptions o;
    o.help = parser.isSet("help");
    o.version = parser.isSet("version");
    o.hour24 = parser.isSet("24h");
    o.ansi = parser.isSet("ansi");
    // Options given twice take their last value, as before.
    const auto value = [&](const char* name) { return local(parser.value(QLatin1String(name))); };
    if (parser.isSet("model")) {
        const std::string v = value("model");
        auto model = sim::DisplayModel::parse(v);
        if (!model) {
            return "--model: \"" + v +
                   "\" is not a display model line (name,columns,rows,colors,ModeMask,"
                   "FeatureMask,FontMask; columns 1-" +
                   std::to_string(sim::kMaxColumns) + ", rows 1-" + std::to_string(sim::kMaxRows) +
                   ", colors 1-" + std::to_string(sim::kMaxColors) + ")";
        }
        o.model = *model;
    }
    if (parser.isSet("zoom")) {
        const std::string v = value("zoom");
        auto zoom = parseNumber<int>(v, 0, sim::kMaxZoom);
        if (!zoom) return "--zoom: \"" + v + "\" is not a zoom from 0 to 15";
        o.zoom = *zoom;
    }
    if (parser.isSet("steps")) {
        const std::string v = value("steps");
        auto steps = parseNumber<long>(v, 0, kMaxSteps);
        if (!steps) return "--steps: \"" + v + "\" is not a step count from 0 to 10000000";
        o.steps = *steps;
    }
    if (parser.isSet("seed")) {
        const std::string v = value("seed");
        auto seed = parseNumber<std::uint32_t>(v, 0, UINT32_MAX);
        if (!seed) return "--seed: \"" + v + "\" is not a number from 0 to 4294967295";
        o.seed = *seed;
    }
    if (parser.isSet("time")) {
        const std::string v = value("time");
        o.time = parseTime(v);
        if (!o.time) return "--time: \"" + v + "\" is not a valid YYYY-MM-DDTHH:MM";
    }
    if (parser.isSet("png")) {
        o.pngFile = value("png");
        if (o.pngFile.empty()) return "--png needs a file name";
    }
    if (parser.isSet("leds")) {
        o.ledsFile = value("leds");
        if (o.ledsFile.empty()) return "--leds needs a file name (or - for the terminal)";
    }

    const QStringList hex = parser.values("x");
    const QStringList files = parser.positionalArguments();
    qsizetype nextHex = 0;
    qsizetype nextFile = 0;
    for (const bool isHex : packetOrder(arguments.mid(1))) {
        // The two readings agree unless the parser took an argument differently.
        if (isHex ? nextHex >= hex.size() : nextFile >= files.size()) {
            return std::string("cannot tell the order of the packets; give each -x as \"-x HEX\"");
        }
        if (isHex) {
            o.packets.push_back({PacketArg::Source::Hex, local(hex[nextHex++])});
        } else {
            o.packets.push_back({PacketArg::Source::File, local(files[nextFile++])});
        }
    }
    if (!o.help && !o.version && o.packets.empty()) return "no PACKET given";
    return o;
}

std::string usageLines() {
    return "Usage: orvexsim-render [OPTION]... PACKET...\n"
           "       orvexsim-render [OPTION]... - < packets\n";
}

std::string versionText() {
    return "orvexsim-render " ZTK_VERSION_STRING "\n";
}

std::string usage() {
    return usageLines() +
           R"help(Feeds Orvex packets to the simulated sign, steps its display, and shows the result.

Each PACKET is a file that holds any number of packets back to back, as a link carries
them (captured with socat, or written by marquee --output); "-" reads them from standard
input. They are split at their frames: a packet runs from its run of SOH bytes (NULs may
come first), "Z", the address and STX to the first EOT after it, raw or escaped. Bytes
between packets, and a packet cut short by the next header or by the end, are skipped with
a warning. -x HEX gives the bytes of one packet in hexadecimal (spaces allowed between
bytes), fed as they are. Packets are fed in the order given: one that writes a string file
(STX then "G") as a string-file packet (kind 842), any other as a new message (kind 586).
Only regular files and standard input are read: a named pipe, a directory or a device is
refused (feed a pipe through standard input).

Options:
  --model LINE   display model "name,columns,rows,colors,ModeMask,FeatureMask,FontMask",
                 masks in hexadecimal (default "Orvex 5210C,120,24,3,3FFF,3FF,77")
  --zoom Z       screen pixels per LED minus one, 0-15 (default 5)
  --steps N      display steps of 10 ms to run after the packets (default 100)
  --seed S       seed of the random choices such as autocolour (default 1)
  --time T       clock for time and date items, YYYY-MM-DDTHH:MM (default: now)
  --24h          show times with the 24-hour clock
  --png FILE     write the screen image (dots as on the simulator's window) as PNG
  --leds FILE    write the LEDs as text, "-" for standard output: one line per row,
                 one character per LED: "." off, R G A r g b o y for red, green, amber,
                 dim red, dim green, brown, orange, yellow, 1-8 for the same colours while
                 flashing, "?" anything else
  --ansi         print the LEDs to the terminal in 24-bit colour, two rows per line
                 (the default when no --png or --leds is given)
  -x HEX         one packet in hexadecimal, in its place among the PACKETs
  -h, --help     show this text
  --version      show the program's version
  --             ends the options: every argument after it is a PACKET
Options may be written with one dash or two, their value after a blank or "=".

A file output is written beside its old version and renamed over it once complete, so a
full disk leaves the old file as it was. A picture too large for the sign's memory is
reported on standard error and not shown.

Examples: a red and a green line, held, on the default sign:
  orvexsim-render --ansi --png hello.png \
    -x "01 01 01 01 01 5A 30 30 02 41 41 1B 30 62 1C 31 48 45 4C 4C 4F 0D 1C 32 57 4F 52 4C 44 04"
What a marquee session shows, without a sign:
  marquee --output - -e Initialize -e 'QuickDisplay HELLO Green' | orvexsim-render --ansi -

Exit status: 0 on success, 1 when an output cannot be written completely, 2 for bad
arguments or packet files that cannot be read.
)help";
}

}  // namespace ztk::render
