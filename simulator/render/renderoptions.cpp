#include "renderoptions.h"

#include <charconv>

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

std::variant<RenderOptions, std::string> parseArguments(const std::vector<std::string>& args) {
    RenderOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&](std::string& out) -> std::optional<std::string> {
            if (i + 1 >= args.size()) return a + " needs a value";
            out = args[++i];
            return std::nullopt;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--24h") {
            o.hour24 = true;
        } else if (a == "--ansi") {
            o.ansi = true;
        } else if (a == "--model") {
            if (auto e = value(v)) return *e;
            auto model = sim::DisplayModel::parse(v);
            if (!model) {
                return "--model: \"" + v +
                       "\" is not a display model line (name,columns,rows,colors,ModeMask,"
                       "FeatureMask,FontMask; columns 1-" +
                       std::to_string(sim::kMaxColumns) + ", rows 1-" +
                       std::to_string(sim::kMaxRows) + ", colors 1-" +
                       std::to_string(sim::kMaxColors) + ")";
            }
            o.model = *model;
        } else if (a == "--zoom") {
            if (auto e = value(v)) return *e;
            auto zoom = parseNumber<int>(v, 0, sim::kMaxZoom);
            if (!zoom) return "--zoom: \"" + v + "\" is not a zoom from 0 to 15";
            o.zoom = *zoom;
        } else if (a == "--steps") {
            if (auto e = value(v)) return *e;
            auto steps = parseNumber<long>(v, 0, kMaxSteps);
            if (!steps) return "--steps: \"" + v + "\" is not a step count from 0 to 10000000";
            o.steps = *steps;
        } else if (a == "--seed") {
            if (auto e = value(v)) return *e;
            auto seed = parseNumber<std::uint32_t>(v, 0, UINT32_MAX);
            if (!seed) return "--seed: \"" + v + "\" is not a number from 0 to 4294967295";
            o.seed = *seed;
        } else if (a == "--time") {
            if (auto e = value(v)) return *e;
            o.time = parseTime(v);
            if (!o.time) return "--time: \"" + v + "\" is not a valid YYYY-MM-DDTHH:MM";
        } else if (a == "--png") {
            if (auto e = value(o.pngFile)) return *e;
            if (o.pngFile.empty()) return "--png needs a file name";
        } else if (a == "--leds") {
            if (auto e = value(o.ledsFile)) return *e;
            if (o.ledsFile.empty()) return "--leds needs a file name (or - for the terminal)";
        } else if (a == "-x") {
            if (auto e = value(v)) return *e;
            o.packets.push_back({PacketArg::Source::Hex, v});
        } else if (a.size() > 1 && a[0] == '-') {
            return "unknown option " + a;
        } else {
            o.packets.push_back({PacketArg::Source::File, a});
        }
    }
    if (!o.help && o.packets.empty()) return "no PACKET given";
    return o;
}

std::string usage() {
    return R"(Usage: orvexsim-render [OPTION]... PACKET...
Feeds Orvex packets to the simulated sign, steps its display, and shows the result.

Each PACKET is a file of raw packet bytes, or -x HEX for bytes given in hexadecimal
(spaces allowed between bytes). Packets are fed in order: one that writes a string file
(STX then "G") as a string-file packet (kind 842), any other as a new message (kind 586).

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
  --help         show this text

Example: a red and a green line, held, on the default sign:
  orvexsim-render --ansi --png hello.png \
    -x "01 01 01 01 01 5A 30 30 02 41 41 1B 30 62 1C 31 48 45 4C 4C 4F 0D 1C 32 57 4F 52 4C 44 04"

Exit status: 0 on success, 1 when an output cannot be written, 2 for bad arguments or
packets that cannot be read.
)";
}

}  // namespace ztk::render
