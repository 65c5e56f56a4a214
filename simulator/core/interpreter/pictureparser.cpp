// SPDX-License-Identifier: MIT
#include "pictureparser.h"

#include <algorithm>
#include <cstring>

namespace ztk::sim {

namespace {

constexpr std::uint8_t kLastDataEnd = 4;  // bytes up to this end the picture data
constexpr std::uint8_t kRowEnd = 0x0D;
constexpr std::uint8_t kRun = 0x11;

// The next byte of picture data, or nothing at the end of the data (an ending byte is
// left unread for the packet scan).
std::optional<std::uint8_t> dataByte(ByteDecoder& in) {
    const std::size_t at = in.position();
    auto b = in.next();
    if (b && *b <= kLastDataEnd) {
        in.seek(at);
        return std::nullopt;
    }
    return b;
}

std::optional<int> hexNumber(ByteDecoder& in, int digits, bool& valid) {
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        auto b = dataByte(in);
        if (!b) return std::nullopt;
        const int d = hexDigitValue(*b);
        if (d < 0) valid = false;
        value = value << 4 | (d < 0 ? 0 : d);
    }
    return value;
}

}  // namespace

std::optional<PictureSize> readPictureSize(ByteDecoder& in, int digits) {
    bool valid = true;
    auto height = hexNumber(in, digits, valid);
    if (!height) return std::nullopt;
    auto width = hexNumber(in, digits, valid);
    if (!width || !valid) return std::nullopt;
    return PictureSize{*height, *width};
}

DotsPicture blankPicture(PictureSize size, std::uint8_t base) {
    DotsPicture picture;
    picture.width = size.width;
    picture.height = size.height;
    const std::size_t stride = static_cast<std::size_t>(size.width) + 1;
    picture.pixels.assign(stride * static_cast<std::size_t>(size.height), base);
    for (std::size_t row = 0; row < static_cast<std::size_t>(size.height); ++row) {
        picture.pixels[row * stride + stride - 1] = kRowMarker;
    }
    return picture;
}

void readPictureRows(ByteDecoder& in, DotsPicture* picture, std::uint8_t base) {
    const int width = picture ? picture->width : 0;
    const int height = picture ? picture->height : 0;
    const std::size_t stride = static_cast<std::size_t>(width) + 1;
    int row = 0;
    int column = 0;
    while (auto b = dataByte(in)) {
        if (*b == kRowEnd) {
            row = std::min(row + 1, height);
            column = 0;
            continue;
        }
        int count = 1;
        std::uint8_t value = *b;
        if (*b == kRun) {
            auto high = dataByte(in);
            if (!high) return;
            auto low = dataByte(in);
            if (!low) return;
            auto pixel = dataByte(in);
            if (!pixel) return;
            const int h = hexDigitValue(*high);
            const int l = hexDigitValue(*low);
            if (h < 0 || l < 0) continue;  // a malformed run draws nothing
            count = (h << 4 | l) + 1;
            value = *pixel;
        }
        if (row >= height || column >= width) continue;
        const int drawn = std::min(count, width - column);
        std::memset(picture->pixels.data() + static_cast<std::size_t>(row) * stride +
                        static_cast<std::size_t>(column),
                    base + (value & 0x0F), static_cast<std::size_t>(drawn));
        column += drawn;
    }
}

}  // namespace ztk::sim
