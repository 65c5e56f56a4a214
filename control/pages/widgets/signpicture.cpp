// SPDX-License-Identifier: MIT
#include "widgets/signpicture.h"

#include <QPainter>

#include <array>

namespace ztk::pages {
namespace {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
using Glyph = std::array<const char*, kGlyphHeight>;

constexpr Glyph kZ{"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"};
constexpr Glyph kT{"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."};
constexpr Glyph kK{"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"};

struct Letter {
    const Glyph& glyph;
    QColor lit;
};

}  // namespace

QPixmap signPicture(int pitch) {
    const std::array<Letter, 3> letters{Letter{kZ, QColor(255, 40, 30)},
                                        Letter{kT, QColor(60, 230, 60)},
                                        Letter{kK, QColor(255, 170, 0)}};
    // One unlit column between the letters and a border of one LED around them.
    const int columns = 1 + int(letters.size()) * (kGlyphWidth + 1);
    const int rows = kGlyphHeight + 2;
    QPixmap pixmap(columns * pitch, rows * pitch);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    painter.drawRoundedRect(pixmap.rect(), pitch, pitch);

    const QColor unlit(48, 40, 34);
    const double dot = pitch * 0.78;
    const double inset = (pitch - dot) / 2;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            QColor colour = unlit;
            const int inLetter = (column - 1) % (kGlyphWidth + 1);
            const int letter = (column - 1) / (kGlyphWidth + 1);
            if (column >= 1 && row >= 1 && row <= kGlyphHeight && inLetter < kGlyphWidth &&
                letter < int(letters.size()) && letters[letter].glyph[row - 1][inLetter] == '#') {
                colour = letters[letter].lit;
            }
            painter.setBrush(colour);
            painter.drawEllipse(QRectF(column * pitch + inset, row * pitch + inset, dot, dot));
        }
    }
    return pixmap;
}

}  // namespace ztk::pages
