// SPDX-License-Identifier: MIT
#pragma once
// ScreenImage: the window's copy of the sign's screen bitmap. The display engine presents
// frames to it on the engine's thread; the window paints from it on the interface thread.
// Both sides go through one mutex, and the engine side touches no Qt object but the image.

#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <mutex>

#include "simcore/presentsink.h"

class QPainter;

namespace ztk::simapp {

class ScreenImage final : public sim::PresentSink {
  public:
    // Called on the presenting thread whenever a frame makes a clean image dirty; the
    // receiver then calls takeDirty() on its own thread. Not called again until it has.
    using RepaintRequest = std::function<void()>;

    explicit ScreenImage(RepaintRequest requestRepaint);

    // Copies `area` of `screen` (Format_Indexed8, with the colour table of the moment) and
    // asks for a repaint of the rows that changed. A frame of another size starts a new
    // image. A change of colour table (the flash phase) dirties the whole image, since it
    // recolours every pixel.
    void present(const sim::ScreenView& screen, const sim::PixelRect& area) override;

    // The area changed since the last call (empty when none).
    QRect takeDirty();
    // Paints `area` of the image at the same place with `painter`.
    void draw(QPainter& painter, const QRect& area) const;

    // A copy of the image as it is now.
    QImage snapshot() const;
    // The palette index of pixel (x, y); 0 outside the image.
    std::uint8_t pixelIndex(int x, int y) const;

  private:
    RepaintRequest requestRepaint_;
    mutable std::mutex mutex_;
    QImage image_;
    sim::ColorTable table_{};
    QRect dirty_;
    bool repaintAsked_ = false;
};

}  // namespace ztk::simapp
