// SPDX-License-Identifier: MIT
#include "simcore/pictureitem.h"

#include <algorithm>

#include "simcore/palette.h"

namespace ztk::sim {

namespace {
constexpr std::uint8_t kRowMarker = 0xFF;
}

PictureItem::PictureItem(std::shared_ptr<const DotsPicture> picture)
    : picture_(std::move(picture)) {
    if (picture_) {
        remaining_ = shown_ = std::max(picture_->width, 0);
        height_ = std::max(picture_->height, 0);
    }
}

void PictureItem::setShownWidth(int width) {
    shown_ = std::clamp(width, 0, remaining_);
}

void PictureItem::setHeight(int height) {
    height_ = std::clamp(height, 0, picture_ ? std::max(picture_->height, 0) : 0);
}

int PictureItem::weight() const {
    return (std::max(height_, 8) / 8) * (std::max(shown_, 8) / 8);
}

void PictureItem::draw(LedBitmap& dst, int x, int y, int lineHeight) const {
    if (!picture_ || shown_ <= 0) return;
    const std::vector<std::uint8_t>& px = picture_->pixels;
    const std::size_t size = px.size();
    const std::size_t width = static_cast<std::size_t>(picture_->width);
    const int top = y + lineHeight - height_;
    std::size_t pos = 0;
    for (int row = 0; row < height_ && pos < size; ++row) {
        // A row runs to its marker, or to the declared width when the marker is missing.
        const std::size_t start = pos;
        const std::size_t limit = std::min(size, start + width);
        std::size_t end = start;
        while (end < limit && px[end] != kRowMarker)
            ++end;
        pos = end < size && px[end] == kRowMarker ? end + 1 : end;

        const int yy = top + row;
        if (yy < y) continue;
        const std::size_t length = end - start;
        for (int col = 0; col < shown_; ++col) {
            const std::size_t source = static_cast<std::size_t>(offset_) + col;
            // A row that ended early (its marker came before the declared width) has no
            // LEDs past its end: they show off.
            dst.set(x + col, yy, source < length ? px[start + source] : kLedOff);
        }
    }
}

bool PictureItem::advance() {
    offset_ += shown_;
    remaining_ -= shown_;
    shown_ = remaining_;
    return remaining_ > 0;
}

}  // namespace ztk::sim
