// SPDX-License-Identifier: MIT
#include "simcore/charset.h"

#include <algorithm>

#include "charsettable.h"

namespace ztk::sim {

namespace {

constexpr std::size_t kHeaderSize = 5;

std::size_t recordSize(std::span<const std::uint8_t> bytes) {
    return 1 + static_cast<std::size_t>(bytes[2]) * bytes[1];
}

}  // namespace

std::span<const std::uint8_t> charsetResource(int number) {
    const auto table = detail::charsetResourceTable();
    const auto it =
        std::lower_bound(table.begin(), table.end(), number,
                         [](const detail::CharsetResourceEntry& e, int n) { return e.number < n; });
    if (it == table.end() || it->number != number) return {};
    return {it->bytes, it->size};
}

CharSet::CharSet(std::span<const std::uint8_t> bytes) {
    // Only a set whose header and glyph records fit in the bytes is taken; anything else
    // leaves an invalid view that answers 0 and "off" everywhere.
    if (bytes.size() < kHeaderSize) return;
    const int bytesPerRow = bytes[1];
    if (bytesPerRow < 1 || bytesPerRow > 2 || bytes[2] == 0) return;
    if (bytes.size() < kHeaderSize + bytes[0] * recordSize(bytes)) return;
    bytes_ = bytes;
}

const std::uint8_t* CharSet::glyph(int k) const {
    if (!valid() || k < 0 || k >= glyphCount()) return nullptr;
    return bytes_.data() + kHeaderSize + static_cast<std::size_t>(k) * recordSize(bytes_);
}

int CharSet::glyphWidth(int k) const {
    const std::uint8_t* g = glyph(k);
    return g ? std::min<int>(g[0], 8 * bytesPerRow()) : 0;
}

std::uint16_t CharSet::rowBits(int k, int row) const {
    const std::uint8_t* g = glyph(k);
    if (!g || row < 0 || row >= rows()) return 0;
    const std::uint8_t* r = g + 1 + row * bytesPerRow();
    const std::uint16_t bits =
        bytesPerRow() == 2 ? static_cast<std::uint16_t>(r[0] << 8 | r[1]) : r[0] << 8;
    // Bits beyond the glyph's width are never lit, whatever the data holds.
    const int width = std::min<int>(g[0], 8 * bytesPerRow());
    return static_cast<std::uint16_t>(bits & ~(0xFFFFu >> width));
}

bool CharSet::lit(int k, int row, int column) const {
    if (column < 0 || column >= 16) return false;
    return (rowBits(k, row) & (0x8000u >> column)) != 0;
}

}  // namespace ztk::sim
