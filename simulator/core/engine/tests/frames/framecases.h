#pragma once
// Known messages and the LEDs they must show, shared by the engine's whole-frame tests and the
// render tool's tests. The expected LEDs of case NAME are in NAME.leds beside this file, as
// `orvexsim-render --leds` writes them.

#include <string>
#include <vector>

namespace ztk::sim::test {

struct FrameCase {
    std::string name;
    std::string model;  // a display-model line
    long steps = 1;
    std::string time;  // YYYY-MM-DDTHH:MM for time and date items
    // Raw packets, fed in order; one whose command is "G" is a string-file packet.
    std::vector<std::string> packets;
};

// A packet as the control frames it.
inline std::string framed(const std::string& command) {
    return "\x01\x01\x01\x01\x01Z00\x02" + command + "\x04";
}

inline const std::vector<FrameCase>& frameCases() {
    static const std::vector<FrameCase> cases = {
        // A red line over a green one, held, on the default sign.
        {"two_lines",
         "Orvex 5210C,120,24,3,3FFF,3FF,77",
         1,
         "2002-01-05T13:05",
         {framed("AA\x1b"
                 "0b\x1c"
                 "1HELLO\r\x1c"
                 "2WORLD")}},
        // A template as the control sends it: no hold, fixed width, a red line and an
        // autocolour line with a variable field, then the field's value.
        {"template_variable",
         "Orvex 5210C,120,24,3,3FFF,3FF,77",
         3,
         "2002-01-05T13:05",
         {framed("AA\x1b"
                 "0b\x09\x1d"
                 "41\x1c"
                 "1\x1a"
                 "3HI\r\x1c"
                 "C\x1a"
                 "3\x10 \r"),
          framed("G 42 ")}},
        // The time and a date in amber on a 160 x 16 sign.
        {"time_date",
         "Orvex 4160C,160,16,3,3FFF,3FF,77",
         1,
         "2002-01-05T13:05",
         {framed("AA\x1b"
                 "0b\x1c"
                 "3\x13\r\x0b"
                 "8")}},
    };
    return cases;
}

}  // namespace ztk::sim::test
