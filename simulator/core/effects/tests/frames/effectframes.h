// SPDX-License-Identifier: MIT
#pragma once
// Frames of a few display modes part way through, kept as the LEDs `orvexsim-render --leds`
// writes for them: case NAME is frames/NAME.leds, made with the options
//   --model "Effects,120,24,3,7FFF,3FF,77" --time 2002-01-05T13:05 --steps STEPS
//   --leds NAME.leds -x "01 01 01 01 01 5A 30 30 02 41 41 <text> 04"

#include <string>
#include <vector>

namespace ztk::sim::test {

struct EffectFrame {
    std::string name;
    long steps;
    std::string text;  // text file "A" after its label
};

inline constexpr const char* kEffectFrameModel = "Effects,120,24,3,7FFF,3FF,77";

inline const std::vector<EffectFrame>& effectFrames() {
    static const std::vector<EffectFrame> frames = {
        {"roll_left", 31, "\0330g\0341WELCOME\r\0342PLATFORM 2"},
        {"interlock", 41, "\0330n3\0341WELCOME\r\0342PLATFORM 2"},
        {"snow", 300, "\0330n2\0341WELCOME\r\0342PLATFORM 2"},
        {"starburst", 40, "\0330n7\0341WELCOME\r\0342PLATFORM 2"},
        {"cycle_colors", 61, "\0330nC\0341WELCOME\r\0342PLATFORM 2"},
        {"twinkle", 9, "\0330n0\0341WELCOME\r\0342PLATFORM 2"},
        // Sparkle after 3 of its 8 phases over an amber page.
        {"sparkle", 22, "\0330b\011\0343AMBER AMBER AMBER\0330n1\0341WELCOME\r\0342PLATFORM 2"},
    };
    return frames;
}

}  // namespace ztk::sim::test
