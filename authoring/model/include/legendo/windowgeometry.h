// SPDX-License-Identifier: MIT
#pragma once
// The main window's geometry, kept in twips (15 to a pixel) as its layout rules are.

namespace ztk::legendo::geometry {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kInitialWidth = 11745;  // also the minimum
inline constexpr int kInitialHeight = 8640;  // also the minimum
inline constexpr int kSplitterStart = 3000;
inline constexpr int kSplitterWidth = 60;
// While dragging, the splitter's left edge stays this far from the window's edges.
inline constexpr int kSplitterMinLeft = 1000;
inline constexpr int kSplitterMinRight = 7600;
// The panels end this far before the window's right edge.
inline constexpr int kPanelRightMargin = 60;

constexpr int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Where the splitter's left edge may go in a window `width` wide (all in twips).
constexpr int clampSplitter(int left, int width) {
    const int high = width - kSplitterMinRight;
    if (left > high) left = high;
    if (left < kSplitterMinLeft) left = kSplitterMinLeft;
    return left;
}

}  // namespace ztk::legendo::geometry
