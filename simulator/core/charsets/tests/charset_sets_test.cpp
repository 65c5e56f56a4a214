// SPDX-License-Identifier: MIT
// The twelve compiled-in character sets: the sizes the renderer relies on, and shapes that
// would betray a broken glyph source or generator.

#include <gtest/gtest.h>

#include <string>

#include "simcore/charset.h"

using ztk::sim::CharSet;
using ztk::sim::charsetResource;

namespace {

struct FontTable {
    int id, rows, glyphs, cell, spacing, bytesPerRow;
    bool wide;
    int descenderRows;  // 0: no descender set
};

const FontTable kFonts[] = {
    {1, 5, 65, 5, 1, 1, false, 0},   {2, 7, 162, 5, 1, 1, true, 9},
    {3, 7, 186, 8, 1, 1, true, 9},   {4, 7, 162, 5, 1, 1, false, 0},
    {5, 8, 162, 5, 1, 1, false, 0},  {6, 8, 162, 8, 1, 1, false, 0},
    {7, 8, 162, 5, 1, 1, false, 0},  {8, 10, 162, 8, 1, 1, false, 13},
    {9, 15, 162, 7, 2, 2, true, 18}, {10, 15, 186, 12, 1, 2, true, 18},
    {11, 16, 162, 7, 2, 2, true, 0}, {12, 16, 186, 12, 1, 2, true, 0},
};

int index(int character) {
    return character - 32;
}

bool isBlank(int character) {
    return character == ' ' || character == '~' || character == 0xA0 || character == 0xAB;
}

bool rowLit(const CharSet& set, int k, int row) {
    return set.rowBits(k, row) != 0;
}

bool columnLit(const CharSet& set, int k, int column) {
    for (int r = 0; r < set.rows(); ++r) {
        if (set.lit(k, r, column)) return true;
    }
    return false;
}

int lowestLitRow(const CharSet& set, int k) {
    for (int r = set.rows() - 1; r >= 0; --r) {
        if (rowLit(set, k, r)) return r;
    }
    return -1;
}

int highestLitRow(const CharSet& set, int k) {
    for (int r = 0; r < set.rows(); ++r) {
        if (rowLit(set, k, r)) return r;
    }
    return -1;
}

// The row capitals stand on: the last, except on the eight-row sets, which keep their
// last row for descenders.
int baseline(const FontTable& f) {
    return f.rows == 8 ? 6 : f.rows - 1;
}

std::string name(const FontTable& f, const char* what) {
    return "font " + std::to_string(f.id) + " " + what;
}

}  // namespace

TEST(CharsetSets, EveryResourceHasTheTableSizes) {
    for (const FontTable& f : kFonts) {
        const auto bytes = charsetResource(0x100 | f.id);
        const CharSet main(bytes);
        ASSERT_TRUE(main.valid()) << name(f, "main");
        EXPECT_EQ(main.glyphCount(), f.glyphs) << name(f, "main");
        EXPECT_EQ(main.rows(), f.rows) << name(f, "main");
        EXPECT_EQ(main.cell(), f.cell) << name(f, "main");
        EXPECT_EQ(main.spacing(), f.spacing) << name(f, "main");
        EXPECT_EQ(main.bytesPerRow(), f.bytesPerRow) << name(f, "main");
        EXPECT_EQ(bytes.size(), 5u + f.glyphs * (1u + f.rows * f.bytesPerRow)) << name(f, "main");

        const auto wide = charsetResource(0x200 | f.id);
        EXPECT_EQ(!wide.empty(), f.wide) << name(f, "wide");
        if (!wide.empty()) {
            const CharSet set(wide);
            EXPECT_EQ(set.glyphCount(), 4);
            EXPECT_EQ(set.rows(), f.rows);
            EXPECT_EQ(set.bytesPerRow(), f.bytesPerRow);
            EXPECT_EQ(set.spacing(), f.spacing);
            EXPECT_EQ(wide.size(), 5u + 4 * (1u + f.rows * f.bytesPerRow)) << name(f, "wide");
        }

        const auto descender = charsetResource(0x300 | f.id);
        EXPECT_EQ(!descender.empty(), f.descenderRows != 0) << name(f, "descender");
        if (!descender.empty()) {
            const CharSet set(descender);
            EXPECT_EQ(set.glyphCount(), 6);
            EXPECT_EQ(set.rows(), f.descenderRows);
            EXPECT_EQ(set.bytesPerRow(), f.bytesPerRow);
            EXPECT_EQ(descender.size(), 5u + 6 * (1u + f.descenderRows * f.bytesPerRow))
                << name(f, "descender");
        }
    }
}

// Glyphs carry no blank side columns (the gap comes from the spacing), main-set glyphs fit
// the fixed-width cell, and wide letters are wider than the plain ones.
TEST(CharsetSets, GlyphsAreTrimmedAndFitTheirCell) {
    for (const FontTable& f : kFonts) {
        const CharSet main(charsetResource(0x100 | f.id));
        for (int k = 0; k < main.glyphCount(); ++k) {
            const int c = k + 32;
            const int width = main.glyphWidth(k);
            ASSERT_GE(width, 1) << name(f, "glyph ") << c;
            EXPECT_LE(width, f.cell) << name(f, "glyph ") << c;
            if (isBlank(c)) {
                for (int r = 0; r < main.rows(); ++r)
                    EXPECT_FALSE(rowLit(main, k, r)) << c;
            } else {
                EXPECT_TRUE(columnLit(main, k, 0)) << name(f, "glyph ") << c << " left";
                EXPECT_TRUE(columnLit(main, k, width - 1)) << name(f, "glyph ") << c << " right";
            }
        }
        for (const int kind : {0x200, 0x300}) {
            const CharSet extra(charsetResource(kind | f.id));
            for (int k = 0; k < extra.glyphCount(); ++k) {
                const int width = extra.glyphWidth(k);
                ASSERT_GE(width, 1);
                EXPECT_TRUE(columnLit(extra, k, 0)) << name(f, "extra ") << kind << "/" << k;
                EXPECT_TRUE(columnLit(extra, k, width - 1)) << name(f, "extra") << kind << k;
            }
        }
        if (!f.wide) continue;
        // Wide letters are allowed past the cell: they are what the wide attribute shows.
        const CharSet wide(charsetResource(0x200 | f.id));
        const char* letters = "MmWw";
        for (int k = 0; k < 4; ++k) {
            EXPECT_GT(wide.glyphWidth(k), main.glyphWidth(index(letters[k])))
                << name(f, "wide ") << letters[k];
        }
    }
}

TEST(CharsetSets, ShapesThatReadOnAGrid) {
    for (const FontTable& f : kFonts) {
        const CharSet main(charsetResource(0x100 | f.id));
        const int q = index('?');
        EXPECT_GE(lowestLitRow(main, q), 0) << name(f, "has a visible \"?\"");

        EXPECT_LT(main.glyphWidth(index('I')), main.glyphWidth(index('M'))) << name(f, "I < M");

        // Capitals stand on the baseline and reach the top row.
        for (const char c : std::string("ABCDEFGHIKLMNOPRSTUVWXYZ")) {
            EXPECT_EQ(lowestLitRow(main, index(c)), baseline(f)) << name(f, "capital ") << c;
            EXPECT_EQ(highestLitRow(main, index(c)), 0) << name(f, "capital ") << c;
        }
        if (f.id == 1) continue;  // capitals only

        EXPECT_LT(main.glyphWidth(index('i')), main.glyphWidth(index('m'))) << name(f, "i < m");
        EXPECT_GT(highestLitRow(main, index('a')), 0) << name(f, "lower-case a below cap height");
        // Letters with descenders stay inside the main set and use its bottom row.
        for (const char c : std::string("gjpqy")) {
            EXPECT_EQ(lowestLitRow(main, index(c)), f.rows - 1) << name(f, "main ") << c;
        }
        // 0xA9 is the degree sign of the temperature texts: lit only in the top half.
        const int degree = index(0xA9);
        ASSERT_LT(degree, main.glyphCount());
        EXPECT_GE(highestLitRow(main, degree), 0) << name(f, "degree");
        EXPECT_LT(lowestLitRow(main, degree) + 1, (main.rows() + 1) / 2) << name(f, "degree");

        if (f.descenderRows == 0) continue;
        const CharSet descender(charsetResource(0x300 | f.id));
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(lowestLitRow(descender, k), f.descenderRows - 1)
                << name(f, "descender glyph ") << k;
        }
        EXPECT_GE(lowestLitRow(descender, 5), f.rows) << name(f, "descender comma");
        // g's bowl sits above the main set's baseline; its tail goes below it.
        EXPECT_LE(highestLitRow(descender, 0), f.rows - 1);
        EXPECT_TRUE(rowLit(descender, 0, f.rows)) << name(f, "descender g below the baseline");
    }
}

// Letters and digits are told apart: no two of them share a bitmap, and M, whose V starts
// under its top row, differs there from N, whose diagonal starts lower down. Catches a
// squeezed glyph as much as a hand-drawn one kept under the wrong code.
TEST(CharsetSets, LookAlikesDiffer) {
    const auto same = [](const CharSet& set, int a, int b) {
        if (set.glyphWidth(a) != set.glyphWidth(b)) return false;
        for (int r = 0; r < set.rows(); ++r)
            if (set.rowBits(a, r) != set.rowBits(b, r)) return false;
        return true;
    };
    const std::string capitalsAndDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (const FontTable& f : kFonts) {
        const CharSet main(charsetResource(0x100 | f.id));
        const std::string shown =
            capitalsAndDigits + (f.id == 1 ? "" : "abcdefghijklmnopqrstuvwxyz");
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                EXPECT_FALSE(same(main, index(shown[i]), index(shown[j])))
                    << name(f, "look-alikes ") << shown[i] << shown[j];
            }
        }
        EXPECT_NE(main.rowBits(index('M'), 1), main.rowBits(index('N'), 1)) << name(f, "M/N");
    }
}
