// SPDX-License-Identifier: MIT
#pragma once
// Where presented frames of the screen bitmap go: the window program and the render tool
// implement PresentSink.

#include <cstdint>

#include "simcore/palette.h"

namespace ztk::sim {

// A rectangle in screen pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Read access to the screen bitmap during one present call: 8-bit palette indices, top row
// first, and the colour table that shows them right now.
struct ScreenView {
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;  // a multiple of 8
    const ColorTable* colorTable = nullptr;

    const std::uint8_t* scanLine(int y) const {
        return pixels + static_cast<std::ptrdiff_t>(y) * bytesPerLine;
    }
};

class PresentSink {
  public:
    virtual ~PresentSink() = default;
    // Shows `area` of `screen`. The view is only valid during the call: copy what you keep.
    // Called on the display engine's thread.
    virtual void present(const ScreenView& screen, const PixelRect& area) = 0;
};

}  // namespace ztk::sim
