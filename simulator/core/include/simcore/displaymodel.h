// SPDX-License-Identifier: MIT
#pragma once
// The display model of a simulated sign: one line "name,columns,rows,colors,ModeMask,
// FeatureMask,FontMask" with sizes in decimal and masks in hexadecimal without prefix.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ztk::sim {

// FeatureMask bits.
inline constexpr std::uint32_t kFeatSmallPictures = 0x0001;
inline constexpr std::uint32_t kFeatNamedPictures = 0x0002;
inline constexpr std::uint32_t kFeatFullHeightInFill = 0x0004;
inline constexpr std::uint32_t kFeatWide = 0x0008;
inline constexpr std::uint32_t kFeatDoubleWide = 0x0010;
inline constexpr std::uint32_t kFeatDoubleHigh = 0x0020;
inline constexpr std::uint32_t kFeatDescenders = 0x0040;
inline constexpr std::uint32_t kFeatFlash = 0x0080;
inline constexpr std::uint32_t kFeatFixedWidth = 0x0100;
inline constexpr std::uint32_t kFeatStretch15 = 0x0200;
inline constexpr std::uint32_t kFeatShadow = 0x0400;
inline constexpr std::uint32_t kFeatOverflowRotates = 0x0800;
inline constexpr std::uint32_t kFeatCustomSpeed = 0x1000;
inline constexpr std::uint32_t kFeatFlashOutside = 0x2000;
inline constexpr std::uint32_t kFeatTemperature = 0x4000;

struct DisplayModel {
    std::string name = "Orvex 5210C";
    int columns = 120;
    int rows = 24;
    int colors = 3;
    std::uint32_t modeMask = 0x3FFF;
    std::uint32_t featureMask = 0x3FF;
    std::uint32_t fontMask = 0x77;

    // Parses a model line as "%[^,],%d,%d,%d,%X,%X,%X" would (text after the last mask is
    // ignored); nothing when the name or a number is missing or a number overflows. Refused
    // as well: columns outside 1..kMaxColumns, rows outside 1..kMaxRows and colors outside
    // 1..kMaxColors, which the simulator cannot show.
    static std::optional<DisplayModel> parse(std::string_view line);
    // Formats as "%s,%d,%d,%d,%X,%X,%X".
    std::string format() const;
};

// Largest display the simulator accepts, so that a model line from a packet cannot make it
// allocate without bound.
inline constexpr int kMaxColumns = 4096;
inline constexpr int kMaxRows = 1024;
// Most LED colours a sign can have (the palette holds eight).
inline constexpr int kMaxColors = 8;

}  // namespace ztk::sim
