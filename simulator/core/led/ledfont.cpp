// SPDX-License-Identifier: MIT
#include "simcore/ledfont.h"

#include "simcore/displaymodel.h"
#include "simcore/messagestream.h"

namespace ztk::sim {

namespace {

int normalisedId(int id) {
    return id >= 1 && id <= kFontCount ? id : 2;
}

// Rows of a 15-row set painted twice when it is stretched to 24 rows.
constexpr std::uint16_t kStretch24Mask = 0x6763;

}  // namespace

LedFont::LedFont(int id, int signRows, std::uint32_t featureMask, CharsetLookup lookup)
    : id_(normalisedId(id)),
      signRows_(signRows),
      stretch15_((featureMask & kFeatStretch15) != 0),
      main_(lookup(0x100 | id_)),
      wide_(lookup(0x200 | id_)),
      descenders_(lookup(0x300 | id_)) {}

FontHeight LedFont::currentHeight(std::uint16_t attrs) const {
    const bool descenders = (attrs & kAttrDescenders) && descenders_.valid();
    const int base = descenders ? descenders_.rows() : (main_.valid() ? main_.rows() : 0);
    if (!(attrs & kAttrDoubleHigh)) return {base, attrs};
    int height = base * 2;
    // A stretch only ever grows the doubled set, so a sign lower than the set is left to
    // the rule below.
    if (stretch15_ && !descenders && base == 15 && signRows_ > base) height = signRows_;
    if (height > signRows_) return {base, static_cast<std::uint16_t>(attrs & ~kAttrDoubleHigh)};
    return {height, attrs};
}

int LedFont::rowRepeat(int row, int setRows, int height) {
    if (row < 0 || row >= setRows) return 0;
    if (height == 2 * setRows) return 2;
    if (setRows == 15 && height == 24) return (kStretch24Mask >> row) & 1 ? 2 : 1;
    if (setRows == 15 && height == 32) return row == 3 || row == 12 ? 3 : 2;
    // Any other stretch spreads the rows evenly over the height.
    return (row + 1) * height / setRows - row * height / setRows;
}

std::vector<int> LedFont::rowRepeats(int setRows, int height) {
    std::vector<int> repeats;
    for (int row = 0; row < setRows; ++row)
        repeats.push_back(rowRepeat(row, setRows, height));
    return repeats;
}

LedFonts::LedFonts(int signRows, std::uint32_t featureMask, CharsetLookup lookup)
    : signRows_(signRows) {
    fonts_.reserve(kFontCount);
    for (int id = 1; id <= kFontCount; ++id)
        fonts_.emplace_back(id, signRows, featureMask, lookup);
}

const LedFont& LedFonts::operator[](int id) const {
    return fonts_[normalisedId(id) - 1];
}

FontChoice reduceToFit(const LedFonts& fonts, int fontId, std::uint16_t attrs, int available) {
    FontChoice c{normalisedId(fontId), attrs, 0, false};
    // Every round either switches an attribute off or moves to a lower font, so it ends.
    for (;;) {
        const FontHeight h = fonts[c.fontId].currentHeight(c.attrs);
        c.attrs = h.attrs;
        c.height = h.height;
        if (c.height <= available) {
            c.fits = true;
            return c;
        }
        if (c.attrs & kAttrDoubleHigh) {
            c.attrs &= ~kAttrDoubleHigh;
            continue;
        }
        switch (c.fontId) {
            case 1:
            case 2:
            case 3:
                if (!(c.attrs & kAttrDescenders)) return c;
                c.attrs &= ~kAttrDescenders;
                break;
            case 4:
                c.fontId = 1;
                break;
            case 8:
            case 12:
                c.fontId = 3;
                break;
            case 9:
            case 11:
                c.fontId = 2;
                break;
            case 10:
                c.fontId = 8;
                break;
            default:
                return c;  // 5-7 have nothing smaller
        }
    }
}

}  // namespace ztk::sim
