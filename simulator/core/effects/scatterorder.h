// SPDX-License-Identifier: MIT
#pragma once
// The order in which sparkle and snow visit the eight columns of each group of eight, and
// in which spray visits the rows of each group of eight.

#include <array>

namespace ztk::sim {

inline constexpr int kScatterPhases = 8;
// Sparkle and snow: the first column of phase p (sparkle adds the row to p).
inline constexpr std::array<int, kScatterPhases> kScatterOrder = {0, 3, 7, 1, 5, 4, 2, 6};
// Spray: the first row of phase p.
inline constexpr std::array<int, kScatterPhases> kSprayOrder = {0, 7, 1, 6, 2, 5, 3, 4};

}  // namespace ztk::sim
