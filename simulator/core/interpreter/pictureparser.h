// SPDX-License-Identifier: MIT
#pragma once
// Reading of dots pictures: their sizes and their run-length encoded rows.

#include <cstdint>
#include <optional>

#include "simcore/bytedecoder.h"
#include "simcore/signcontent.h"

namespace ztk::sim {

// Palette index of pixel value 0 of a picture, and of one that is called while flashing.
inline constexpr std::uint8_t kPictureBase = 10;
inline constexpr std::uint8_t kFlashPictureBase = 138;
// Ends each row of a stored picture.
inline constexpr std::uint8_t kRowMarker = 0xFF;

struct PictureSize {
    int height = 0;
    int width = 0;
};

// Reads a picture's height, then its width, each of `digits` hexadecimal digits. Nothing
// when the input ends, a digit is not hexadecimal, or a byte of value 4 or less (which is
// left unread) ends the data early.
std::optional<PictureSize> readPictureSize(ByteDecoder& in, int digits);

// A picture of `size` with every pixel `base` (an LED that is off) and each row ended by
// the row marker.
DotsPicture blankPicture(PictureSize size, std::uint8_t base);

// Reads picture rows until a byte of value 4 or less, which is left unread: CR ends a row,
// 0x11 n n p is n + 1 pixels of value p, any other byte p one pixel; a pixel is base +
// (p & 0x0F). Pixels beyond the width and rows beyond the height are dropped. With a null
// `picture` the rows are only skipped.
void readPictureRows(ByteDecoder& in, DotsPicture* picture, std::uint8_t base);

}  // namespace ztk::sim
