// SPDX-License-Identifier: MIT
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
    // Raw packets, fed in order; one whose command is "G" is a string-file packet.
    std::vector<std::string> packets;
};

// Time and date items show Saturday 5 January 2002, 13:05 (--time 2002-01-05T13:05).

// A packet as the control frames it.
inline std::string framed(const std::string& command) {
    return "\001\001\001\001\001Z00\002" + command + "\004";
}

inline const std::vector<FrameCase>& frameCases() {
    static const std::vector<FrameCase> cases = {
        // A red line over a green one, held, on the default sign.
        {"two_lines",
         "Orvex 5210C,120,24,3,3FFF,3FF,77",
         1,
         {framed("AA\0330b\0341HELLO\r\0342WORLD")}},
        // A template as the control sends it: no hold, fixed width, a red line and an
        // autocolour line with a variable field, then the field's value.
        {"template_variable",
         "Orvex 5210C,120,24,3,3FFF,3FF,77",
         3,
         {framed("AA\0330b\011\03541\0341\0323HI\r\034C\0323\020 \r"), framed("G 42 ")}},
        // The time and a date in amber on a 160 x 16 sign.
        {"time_date", "Orvex 4160C,160,16,3,3FFF,3FF,77", 1, {framed("AA\0330b\0343\023\r\0138")}},
    };
    return cases;
}

}  // namespace ztk::sim::test
