// SPDX-License-Identifier: MIT
#pragma once
// The sign's fonts 1-12 over the character-set resources, with the rules for the height a
// font takes under the text attributes, and the reduction of a font until text fits.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "simcore/charset.h"

namespace ztk::sim {

inline constexpr int kFontCount = 12;

// Where the character-set bytes come from: resource number -> bytes (empty when absent).
using CharsetLookup = std::span<const std::uint8_t> (*)(int number);

// A height together with the attributes that produce it (double high may have been
// switched off because it did not fit the sign).
struct FontHeight {
    int height = 0;
    std::uint16_t attrs = 0;
};

class LedFont {
  public:
    // Font `id` (1-12; any other id is taken as 2) on a sign of `signRows` rows whose
    // FeatureMask is `featureMask`.
    LedFont(int id, int signRows, std::uint32_t featureMask,
            CharsetLookup lookup = &charsetResource);

    int id() const { return id_; }
    const CharSet& main() const { return main_; }
    // The wide letters M m W w (invalid when the font has none).
    const CharSet& wide() const { return wide_; }
    // The descender letters g j p q y , (invalid when the font has none).
    const CharSet& descenders() const { return descenders_; }
    int signRows() const { return signRows_; }

    // Height of text in this font with `attrs`: the main set's rows, or the descender set's
    // while true descenders are on; doubled while double high is on, a doubled 15-row set
    // stretched to the sign's rows when the sign has FeatureMask 0x0200; when that exceeds
    // the sign's rows double high is switched off in the returned attributes.
    FontHeight currentHeight(std::uint16_t attrs) const;

    // How many times each row of a `setRows`-row set is painted to make `height` rows while
    // double high is on: twice each; a 15-row set stretched to 24 rows doubles only rows 0, 1,
    // 5, 6, 8, 9, 10, 13, 14 and to 32 rows triples rows 3 and 12; other stretches spread the
    // extra rows evenly.
    static std::vector<int> rowRepeats(int setRows, int height);
    // rowRepeats(setRows, height)[row], without allocating.
    static int rowRepeat(int row, int setRows, int height);

  private:
    int id_;
    int signRows_;
    bool stretch15_;
    CharSet main_;
    CharSet wide_;
    CharSet descenders_;
};

// The twelve fonts of one sign geometry.
class LedFonts {
  public:
    LedFonts(int signRows, std::uint32_t featureMask, CharsetLookup lookup = &charsetResource);

    // Font `id`; ids outside 1-12 give font 2.
    const LedFont& operator[](int id) const;
    int signRows() const { return signRows_; }

  private:
    int signRows_;
    std::vector<LedFont> fonts_;
};

// A font and attributes after reduction, with the height they give.
struct FontChoice {
    int fontId = 2;
    std::uint16_t attrs = 0;
    int height = 0;
    bool fits = false;  // false when nothing smaller was left to try
};

// Reduces font `fontId` with `attrs` until its height fits `available` rows: double high
// off; else with fonts 1-3 true descenders off (or stop when they are off); font 4 becomes 1,
// 8 and 12 become 3, 9 and 11 become 2, 10 becomes 8; fonts 5-7 cannot be reduced.
FontChoice reduceToFit(const LedFonts& fonts, int fontId, std::uint16_t attrs, int available);

}  // namespace ztk::sim
