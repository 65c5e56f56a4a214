// SPDX-License-Identifier: MIT
#include "simcore/textitem.h"

#include <algorithm>
#include <bit>

#include "simcore/messagestream.h"

namespace ztk::sim {

namespace {

// Index of `c` among the wide letters M m W w, or -1.
int wideIndex(int c) {
    switch (c) {
        case 'M':
            return 0;
        case 'm':
            return 1;
        case 'W':
            return 2;
        case 'w':
            return 3;
        default:
            return -1;
    }
}

// Index of `c` among the descender letters g j p q y , or -1.
int descenderIndex(int c) {
    switch (c) {
        case 'g':
            return 0;
        case 'j':
            return 1;
        case 'p':
            return 2;
        case 'q':
            return 3;
        case 'y':
            return 4;
        case ',':
            return 5;
        default:
            return -1;
    }
}

// The band (0 top, 1 middle, 2 bottom) of glyph row `row` in a set of `rows` rows.
int bandOf(int row, int rows) {
    const int d = rows / 3;
    if (d == 1) return row < 2 ? 0 : row < 4 ? 1 : 2;
    return row < d ? 0 : row < rows - d ? 1 : 2;
}

}  // namespace

TextItem::TextItem(int character, const LedFont& font, std::uint16_t attrs,
                   const GlyphColors& colors)
    : character_(character), fontId_(font.id()), colors_(colors) {
    const FontHeight fh = font.currentHeight(attrs);
    attrs_ = fh.attrs;
    height_ = fh.height;
    const CharSet& main = font.main();
    if (!main.valid() || main.glyphCount() == 0) {
        blank_ = true;  // a font without glyphs shows nothing
        return;
    }

    int glyphWidth = 0;
    bool wideGlyph = false;
    if (character == ' ' || character == '~' || character == 0xAB) {
        blank_ = true;
        glyphWidth = character == 0xAB ? 1 : main.glyphWidth(0);
    } else {
        int c = character;
        if (fontId_ == 1 && c > 96) c -= 32;  // the five-high set has capitals only
        set_ = &main;
        glyph_ = c - 32;
        if (glyph_ < 0 || glyph_ >= main.glyphCount()) glyph_ = '?' - 32;
        const int w = wideIndex(c);
        const int d = descenderIndex(c);
        if ((attrs_ & kAttrWide) && w >= 0 && font.wide().valid() && w < font.wide().glyphCount()) {
            set_ = &font.wide();
            glyph_ = w;
            wideGlyph = true;
        } else if ((attrs_ & kAttrDescenders) && d >= 0 && font.descenders().valid() &&
                   d < font.descenders().glyphCount()) {
            set_ = &font.descenders();
            glyph_ = d;
        }
        glyphWidth = set_->glyphWidth(glyph_);

        const int rows = set_->rows();
        glyphHeight_ = rows;
        if (attrs_ & kAttrDoubleHigh) {
            const bool descendersOn = (attrs_ & kAttrDescenders) && font.descenders().valid();
            const bool stretched = !descendersOn && rows == 15 && height_ != 2 * rows;
            glyphHeight_ = stretched ? height_ : 2 * rows;
        }
    }

    widened_ = (attrs_ & kAttrWide) && !wideGlyph;
    int width = glyphWidth;
    if (attrs_ & kAttrFixedWidth) {
        // Centred in the cell; a glyph wider than the cell keeps its own width.
        width = std::max(main.cell(), glyphWidth);
        offset_ = (width - glyphWidth) / 2;
    }
    width += main.spacing();
    if (attrs_ & kAttrDoubleWide) width *= 2;
    if (widened_) width += 1;
    if (attrs_ & kAttrShadow) width += 1;
    width_ = width;
}

void TextItem::draw(LedBitmap& dst, int x, int y, int lineHeight) const {
    if (blank_ || !set_) return;
    const int top = y + lineHeight - height_;
    if (attrs_ & kAttrShadow) {
        // The shadow goes first so that the glyph covers it.
        paintGlyph(dst, x + (widened_ ? 2 : 1), top, y, colors_.shadow);
    }
    paintGlyph(dst, x, top, y, 0);
    if (widened_) paintGlyph(dst, x + 1, top, y, 0);
}

void TextItem::paintGlyph(LedBitmap& dst, int x, int top, int minY, std::uint8_t shadow) const {
    const int rows = set_->rows();
    const int glyphWidth = set_->glyphWidth(glyph_);
    const bool doubleHigh = attrs_ & kAttrDoubleHigh;
    const int xStep = attrs_ & kAttrDoubleWide ? 2 : 1;
    const int x0 = x + offset_ * xStep;
    int yy = top;
    for (int row = 0; row < rows; ++row) {
        const int repeat = doubleHigh ? LedFont::rowRepeat(row, rows, glyphHeight_) : 1;
        const std::uint8_t color = shadow ? shadow : colors_.bands[bandOf(row, rows)];
        const std::uint16_t bits = set_->rowBits(glyph_, row);
        // Only the lit columns of the row are visited, leftmost first.
        const int width = std::clamp(glyphWidth, 0, 16);
        const unsigned lit = width == 16 ? bits : bits & ~(0xFFFFu >> width) & 0xFFFFu;
        for (int r = 0; r < repeat; ++r, ++yy) {
            if (yy < minY || !lit || yy < 0 || yy >= dst.rows()) continue;
            std::uint8_t* line = dst.row(yy);
            for (unsigned left = lit; left != 0;) {
                const int col = std::countl_zero(static_cast<std::uint16_t>(left));
                left &= ~(0x8000u >> col);
                const int xx = x0 + col * xStep;
                for (int w = 0; w < xStep; ++w)
                    if (xx + w >= 0 && xx + w < dst.columns()) line[xx + w] = color;
            }
        }
    }
}

}  // namespace ztk::sim
