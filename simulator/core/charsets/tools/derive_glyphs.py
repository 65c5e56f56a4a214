#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Derives the glyph sources of character sets 2-12 from freely licensed bitmap fonts.

A one-off tool, not run by the build: its output in ../glyphs/ is the reviewed source of
truth. Re-running it reproduces those files exactly (hand corrections live in OVERRIDES
below, not in the output), so a change of recipe shows up as a reviewable diff.

Needs the Debian packages xfonts-base (misc-fixed, public domain), xfonts-terminus
(Terminus Font, SIL Open Font License 1.1) and pcf2bdf:

    apt-get install xfonts-base xfonts-terminus pcf2bdf
    python3 derive_glyphs.py            # writes ../glyphs/setNN-*.txt (not set 1)

Set 1 (five high capitals) is drawn by hand and not touched here.
"""

import gzip
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, '..', 'glyphs')
MISC = '/usr/share/fonts/X11/misc'

# Codes 0x80-0x9F have no Latin-1 characters; they carry the accented letters and currency
# signs that this family of signs traditionally puts there (the PC code page order).
HIGH_CONTROL_SHAPES = [
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4,
    0xC5, 0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0xA2, 0xA3, 0xA5,
    0x20A7, 0x192]
DEGREE = 0xB0
BLANKS = {0x20, 0x7E, 0xA0}   # drawn as nothing; their width is the word gap
NARROW_BLANK = 0xAB           # one column, drawn as nothing


def unicode_for(code):
    """The character whose shape glyph `code` shows."""
    if 0x80 <= code <= 0x9F:
        return HIGH_CONTROL_SHAPES[code - 0x80]
    if code == 0xA9:
        return DEGREE        # the temperature texts use 0xA9 as the degree sign
    if code == 0xAD:
        return ord('-')      # soft hyphen: shown as a hyphen
    return code


# ---------------------------------------------------------------------------------------
# Reading fonts


def load_bdf_text(text):
    """Glyphs of a BDF font as {codepoint: {(x, y)}} with y counted up from the baseline."""
    glyphs = {}
    lines = text.split('\n')
    i = 0
    while i < len(lines):
        if lines[i].startswith('STARTCHAR'):
            enc, bbx, bitmap = None, None, []
            i += 1
            while not lines[i].startswith('ENDCHAR'):
                t = lines[i].split()
                if t[0] == 'ENCODING':
                    enc = int(t[1])
                elif t[0] == 'BBX':
                    bbx = [int(v) for v in t[1:5]]
                elif t[0] == 'BITMAP':
                    i += 1
                    while not lines[i].startswith('ENDCHAR'):
                        bitmap.append(int(lines[i], 16))
                        i += 1
                    break
                i += 1
            w, h, xo, yo = bbx
            nbits = (w + 7) // 8 * 8
            pix = set()
            for r, v in enumerate(bitmap):
                for c in range(w):
                    if v >> (nbits - 1 - c) & 1:
                        pix.add((xo + c, yo + h - 1 - r))
            glyphs[enc] = pix
        i += 1
    return glyphs


def load_pcf(path):
    with tempfile.TemporaryDirectory() as tmp:
        pcf = os.path.join(tmp, 'font.pcf')
        bdf = os.path.join(tmp, 'font.bdf')
        with gzip.open(path) as src, open(pcf, 'wb') as dst:
            dst.write(src.read())
        subprocess.run(['pcf2bdf', '-o', bdf, pcf], check=True)
        with open(bdf, encoding='latin-1') as f:
            return load_bdf_text(f.read())


# ---------------------------------------------------------------------------------------
# Glyph geometry. A glyph is (top, rows): rows of '#'/'.' strings of equal width, the first
# at height `top` above the baseline (0 = the baseline row, negative = below it).


def to_grid(pix):
    if not pix:
        return None
    xs = [x for x, _ in pix]
    ys = [y for _, y in pix]
    x0, x1, y0, y1 = min(xs), max(xs), min(ys), max(ys)
    rows = [''.join('#' if (x, y) in pix else '.' for x in range(x0, x1 + 1))
            for y in range(y1, y0 - 1, -1)]
    return y1, rows


def merge(a, b):
    return ''.join('#' if p == '#' or q == '#' else '.' for p, q in zip(a, b))


def lit_count(row):
    return row.count('#')


def reduce_lines(lines, n):
    """Shrinks a list of rows (or columns) to n by OR-ing the most alike neighbours. Equal
    lines go first; a blank line is merged last, so gaps (an accent above its letter) stay."""
    lines = list(lines)
    while len(lines) > n:
        best, best_cost = None, None
        mid = (len(lines) - 2) / 2
        for i in range(len(lines) - 1):
            a, b = lines[i], lines[i + 1]
            cost = sum(p != q for p, q in zip(a, b))
            if lit_count(a) == 0 or lit_count(b) == 0:
                cost += 0.5
            cost += abs(i - mid) / 1000.0
            if best_cost is None or cost < best_cost:
                best, best_cost = i, cost
        lines[best:best + 2] = [merge(lines[best], lines[best + 1])]
    return lines


def stretch_lines(lines, n):
    """Grows a list of rows to n by lengthening runs of equal rows (the straight parts of
    vertical strokes, and gaps), longest first and sparse rows before full ones, so that
    horizontal strokes keep their thickness."""
    runs = []  # [row, length, added]
    for line in lines:
        if runs and runs[-1][0] == line:
            runs[-1][1] += 1
        else:
            runs.append([line, 1, 0])
    mid = (len(runs) - 1) / 2
    for _ in range(n - len(lines)):
        best = max(range(len(runs)),
                   key=lambda i: (runs[i][1] / (1 + runs[i][2]), -lit_count(runs[i][0]),
                                  -abs(i - mid)))
        runs[best][2] += 1
    return [line for line, length, added in runs for _ in range(length + added)]


def resample(lines, n):
    if n == len(lines) or not lines:
        return list(lines)
    return reduce_lines(lines, n) if n < len(lines) else stretch_lines(lines, n)


def columns(rows):
    return [''.join(r[c] for r in rows) for c in range(len(rows[0]))]


def from_columns(cols):
    return [''.join(c[r] for c in cols) for r in range(len(cols[0]))]


def rescale_zones(grid, src, dst):
    """Resizes the zones of a glyph independently: descender (below the baseline), x-height,
    ascender (up to the capitals' top) and anything above the capitals (accents, kept).
    `src` and `dst` are (descent, x_height, cap_height)."""
    top, rows = grid
    width = len(rows[0])
    blank = '.' * width
    s_desc, s_x, s_cap = src
    d_desc, d_x, d_cap = dst
    by_y = {top - i: r for i, r in enumerate(rows)}
    low = min(-s_desc, top - len(rows) + 1)
    high = max(s_cap - 1, top)

    def span(y_from, y_to):  # rows from y_to down to y_from, top first
        return [by_y.get(y, blank) for y in range(y_to, y_from - 1, -1)]

    above = span(s_cap, high)
    asc = span(s_x, s_cap - 1)
    xpart = span(0, s_x - 1)
    desc = span(low, -1)
    extra_desc = len(desc) - s_desc   # rows beyond the font's descent, kept as they are
    desc = resample(desc[:s_desc], d_desc) + desc[s_desc:] if s_desc else desc
    new_rows = (above + resample(asc, d_cap - d_x) + resample(xpart, d_x) + desc)
    new_top = d_cap - 1 + len(above)
    assert len(desc) == d_desc + max(0, extra_desc)
    return trim_rows(new_top, new_rows)


def trim_rows(top, rows):
    while rows and lit_count(rows[0]) == 0:
        rows, top = rows[1:], top - 1
    while rows and lit_count(rows[-1]) == 0:
        rows = rows[:-1]
    return (top, rows) if rows else None


def trim_columns(rows):
    cols = columns(rows)
    while cols and lit_count(cols[0]) == 0:
        cols = cols[1:]
    while cols and lit_count(cols[-1]) == 0:
        cols = cols[:-1]
    return from_columns(cols)


def place(grid, above, below):
    """Puts a glyph into a window of `above` rows from the baseline up and `below` rows under
    it; returns the window's rows top first. A glyph that reaches further down is raised
    and, where it would rise more than one row above its own top, squeezed; one that reaches
    higher (an accented capital) is squeezed down to the window."""
    top, rows = grid
    bottom = top - len(rows) + 1
    if bottom < -below:
        target = max(1, min(above + below, (top + 1) + below + 1))
        rows = reduce_lines(rows, min(len(rows), target))
        bottom = -below
        top = bottom + len(rows) - 1
    if top > above - 1:
        if bottom <= 0:
            rows = reduce_lines(rows, above - bottom)
        else:  # a mark that floats above the baseline is lowered, not squeezed
            rows = reduce_lines(rows, min(len(rows), above + below))
        top = above - 1
    width = len(rows[0])
    blank = '.' * width
    by_y = {top - i: r for i, r in enumerate(rows)}
    return [by_y.get(y, blank) for y in range(above - 1, -below - 1, -1)]


def fit_width(rows, limit):
    if len(rows[0]) <= limit:
        return rows
    return from_columns(reduce_lines(columns(rows), limit))


def square_corners(rows):
    """The segment-like style: a rounded corner (a dark LED between a horizontal and a
    vertical stroke, each at least two LEDs long) is filled in."""
    h, w = len(rows), len(rows[0])
    grid = [list(r) for r in rows]

    def on(r, c):
        return 0 <= r < h and 0 <= c < w and rows[r][c] == '#'

    def run(r, c, dr, dc):
        n = 0
        while on(r + dr * (n + 1), c + dc * (n + 1)):
            n += 1
        return n

    for r in range(h):
        for c in range(w):
            if on(r, c):
                continue
            for dr in (-1, 1):
                for dc in (-1, 1):
                    if (run(r, c, 0, dc) >= 2 and run(r, c, dr, 0) >= 2
                            and not on(r + dr, c + dc)):
                        grid[r][c] = '#'
    return [''.join(r) for r in grid]


def widen(rows, limit):
    """A wide letter: the middle column of an odd width and the outer columns are doubled (in
    that order, as far as `limit` allows), so the strokes of M and W get bolder without
    running together."""
    cols = columns(rows)
    w = len(cols)
    order = ([w // 2] if w % 2 else []) + [0, w - 1]
    doubled = set(order[:max(0, limit - w)])
    out = []
    for i, c in enumerate(cols):
        out.append(c)
        if i in doubled:
            out.append(c)
    return from_columns(out)


# ---------------------------------------------------------------------------------------
# The sets


class Recipe:
    def __init__(self, font_id, name, source, src_zones, dst_zones, rows, cell, spacing,
                 count, bytes_per_row=1, descender_rows=None, wide=False, style=None,
                 origin=''):
        self.font_id = font_id
        self.name = name
        self.source = source
        self.src_zones = src_zones    # (descent, x height, cap height) of the source font
        self.dst_zones = dst_zones    # the same, wanted
        self.rows = rows
        self.cell = cell
        self.spacing = spacing
        self.count = count
        self.bytes_per_row = bytes_per_row
        self.descender_rows = descender_rows
        self.wide = wide
        self.style = style
        self.origin = origin

    @property
    def above(self):
        return self.dst_zones[2]


MISC_FIXED = 'misc-fixed {} (xfonts-base, public domain)'
TERMINUS = 'Terminus Font {} (xfonts-terminus, SIL Open Font License 1.1)'

RECIPES = [
    Recipe(2, 'seven high standard', '6x10.pcf.gz', (2, 5, 7), (2, 5, 7), 7, 5, 1, 162,
           descender_rows=9, wide=True, origin=MISC_FIXED.format('6x10')),
    Recipe(3, 'seven high fancy (bold)', '6x13B.pcf.gz', (2, 6, 9), (2, 5, 7), 7, 8, 1, 186,
           descender_rows=9, wide=True,
           origin=MISC_FIXED.format('6x13B') + ', squeezed from nine to seven rows'),
    Recipe(4, 'seven stroke', '6x10.pcf.gz', (2, 5, 7), (2, 5, 7), 7, 5, 1, 162,
           style='square', origin=MISC_FIXED.format('6x10') + ', corners squared'),
    Recipe(5, 'seven high standard on eight rows', '6x10.pcf.gz', (2, 5, 7), (2, 5, 7),
           8, 5, 1, 162, origin=MISC_FIXED.format('6x10')),
    Recipe(6, 'seven high fancy (bold) on eight rows', '6x13B.pcf.gz', (2, 6, 9), (2, 5, 7),
           8, 8, 1, 162,
           origin=MISC_FIXED.format('6x13B') + ', squeezed from nine to seven rows'),
    Recipe(7, 'seven stroke on eight rows', '6x10.pcf.gz', (2, 5, 7), (2, 5, 7), 8, 5, 1, 162,
           style='square', origin=MISC_FIXED.format('6x10') + ', corners squared'),
    Recipe(8, 'ten high', 'ter-u16n_unicode.pcf.gz', (3, 7, 10), (3, 7, 10), 10, 8, 1, 162,
           descender_rows=13, origin=TERMINUS.format('ter-u16n')),
    Recipe(9, 'full height (fifteen rows)', '7x14.pcf.gz', (2, 7, 10), (3, 11, 15), 15, 7, 2,
           162, bytes_per_row=2, descender_rows=18, wide=True,
           origin=MISC_FIXED.format('7x14') + ', stretched from ten to fifteen rows'),
    Recipe(10, 'full height fancy (bold, fifteen rows)', 'ter-u24b_unicode.pcf.gz',
           (4, 10, 15), (3, 10, 15), 15, 12, 1, 186, bytes_per_row=2, descender_rows=18,
           wide=True, origin=TERMINUS.format('ter-u24b')),
    Recipe(11, 'full height (sixteen rows)', '7x14.pcf.gz', (2, 7, 10), (3, 12, 16), 16, 7, 2,
           162, bytes_per_row=2, wide=True,
           origin=MISC_FIXED.format('7x14') + ', stretched from ten to sixteen rows'),
    Recipe(12, 'full height fancy (bold, sixteen rows)', 'ter-u24b_unicode.pcf.gz',
           (4, 10, 15), (3, 11, 16), 16, 12, 1, 186, bytes_per_row=2, wide=True,
           origin=TERMINUS.format('ter-u24b') + ', stretched from fifteen to sixteen rows'),
]

# Hand corrections: (source font, code) -> rows drawn in the set's own proportions, the
# last row on the baseline. They replace the derived shape before it is placed and styled.
OVERRIDES = {
    # The source's diamond-shaped zero reads badly on a grid; a slashed oval instead.
    ('6x10.pcf.gz', 0x30): ['.###.',
                            '#...#',
                            '#..##',
                            '#.#.#',
                            '##..#',
                            '#...#',
                            '.###.'],
    # The source's M starts its V two rows down, so that it reads as an H with a notch and
    # not like the N beside it; the V from the top instead, as W has it from the bottom.
    ('6x10.pcf.gz', 0x4D): ['#...#',
                            '##.##',
                            '#.#.#',
                            '#.#.#',
                            '#...#',
                            '#...#',
                            '#...#'],
    # Squeezed to seven rows the source's dollar loses its S and reads as a double dagger.
    ('6x10.pcf.gz', 0x24): ['..#..',
                            '.####',
                            '#.#..',
                            '.###.',
                            '..#.#',
                            '####.',
                            '..#..'],
    # The fixed-width sources draw "." and ":" as little crosses, which read as "+" on a
    # grid; square dots instead.
    ('6x10.pcf.gz', 0x2E): ['##',
                            '##'],
    ('6x10.pcf.gz', 0x3A): ['##',
                            '##',
                            '..',
                            '##',
                            '##'],
    ('7x14.pcf.gz', 0x2E): ['##',
                            '##'],
    ('7x14.pcf.gz', 0x3A): ['##',
                            '##',
                            '..',
                            '..',
                            '..',
                            '..',
                            '..',
                            '..',
                            '##',
                            '##'],
    # The bold source's M and W fill their middles; open ones a column wider read better.
    ('6x13B.pcf.gz', 0x4D): ['##...##',
                             '###.###',
                             '#######',
                             '##.#.##',
                             '##...##',
                             '##...##',
                             '##...##'],
    ('6x13B.pcf.gz', 0x57): ['##...##',
                             '##...##',
                             '##...##',
                             '##.#.##',
                             '#######',
                             '###.###',
                             '##...##'],
    ('6x13B.pcf.gz', 0x6D): ['######.',
                             '##.#.##',
                             '##.#.##',
                             '##.#.##',
                             '##.#.##'],
    # Symbols that squeezing from nine rows to seven tangles, redrawn.
    ('6x13B.pcf.gz', 0x23): ['.##.##.',
                             '#######',
                             '.##.##.',
                             '.##.##.',
                             '.##.##.',
                             '#######',
                             '.##.##.'],
    ('6x13B.pcf.gz', 0x24): ['..##..',
                             '.#####',
                             '##....',
                             '.####.',
                             '....##',
                             '#####.',
                             '..##..'],
    ('6x13B.pcf.gz', 0x25): ['##...#',
                             '##..##',
                             '...##.',
                             '..##..',
                             '.##...',
                             '##..##',
                             '#...##'],
    ('6x13B.pcf.gz', 0x26): ['.###...',
                             '##.##..',
                             '##.##..',
                             '.###...',
                             '##.##.#',
                             '##..##.',
                             '.###.##'],
    ('6x13B.pcf.gz', 0x2A): ['##..##',
                             '.####.',
                             '######',
                             '.####.',
                             '##..##'],
    ('6x13B.pcf.gz', 0x40): ['.#####.',
                             '##...##',
                             '##.####',
                             '##.####',
                             '##.###.',
                             '##.....',
                             '.#####.'],
    ('6x13B.pcf.gz', 0x73): ['.#####',
                             '##....',
                             '.####.',
                             '....##',
                             '#####.'],
    ('6x13B.pcf.gz', 0x77): ['##...##',
                             '##.#.##',
                             '##.#.##',
                             '##.#.##',
                             '.##.##.'],
}


# Hand-drawn glyphs of one set: (font id, kind, code) -> rows, the last on the set's bottom
# row, kind 'main' or 'descender'. They replace what placing the source letter gives where
# raising, squeezing or stretching spoils it (a letter with a descender raised into a main
# set, a capital reaching below the baseline, a double-storey g squeezed).

# The bold single-storey g of seven rows: the bowl of q over the tail of y.
BOLD_G = ['.##.##',
          '##.###',
          '##.###',
          '.##.##',
          '....##',
          '##..##',
          '.####.']


def tall_q(straight):
    """The Q of the tall fixed-width sets: `straight` rows of sides, the tail leaving at the
    bottom right."""
    return (['.####..'] + ['#....#.'] * straight +
            ['#..#.#.',
             '#...##.',
             '.#####.',
             '......#'])


def tall_percent(diagonal):
    """The percent sign of the tall fixed-width sets: two rings joined by a diagonal whose
    rows are given."""
    return (['.##...',
             '#..#.#',
             '#..#.#',
             '.##.#.'] + diagonal +
            ['.#.##.',
             '#.#..#',
             '#.#..#',
             '...##.'])


SET_GLYPHS = {
    # Raised into the main set, the single-storey g closes its tail like a 9; its tail
    # turns up at the left instead, as in the seven-row sets.
    (8, 'main', 0x67): ['.#####',
                        '#....#',
                        '#....#',
                        '#....#',
                        '.#####',
                        '.....#',
                        '#....#',
                        '.####.'],
    # Squeezed, the bold double-storey g is a blob that reads as "s" or a pound sign.
    (3, 'main', 0x67): BOLD_G[:2] + BOLD_G[3:],
    (6, 'main', 0x67): BOLD_G,
    (3, 'descender', 0x67): BOLD_G,
    # Raising the source's Q (its tail hangs below the baseline) folds the tail into a bar
    # across the bowl. Stretched zone by zone, the percent sign bends out of shape.
    (9, 'main', 0x51): tall_q(10),
    (11, 'main', 0x51): tall_q(11),
    (9, 'main', 0x25): tall_percent(['....#.', '....#.', '...#..', '...#..', '..#...',
                                     '..#...', '.#....']),
    (11, 'main', 0x25): tall_percent(['....#.', '....#.', '...#..', '...#..', '...#..',
                                      '..#...', '..#...', '.#....']),
}


# Letters whose slab serifs make them as wide as an "m" in a fixed-width source: only the
# stem and one column either side of it are kept.
NARROWED = {('7x14.pcf.gz', ord('i')), ('7x14.pcf.gz', ord('l'))}


def narrow_to_stem(rows):
    cols = columns(rows)
    stem = max(range(len(cols)), key=lambda c: lit_count(cols[c]))
    return trim_columns(from_columns(cols[max(0, stem - 1):stem + 2]))


def derive_glyph(font, recipe, code, below, main_set):
    """Rows of glyph `code` in a window of recipe.above rows plus `below` under the baseline.
    Glyphs of a main set are kept within the set's cell."""
    height = recipe.above + below
    cell_limit = recipe.cell if main_set else 0
    drawn = SET_GLYPHS.get((recipe.font_id, 'main' if main_set else 'descender', code))
    if drawn:
        assert len(drawn) <= height and (not cell_limit or len(drawn[0]) <= cell_limit)
        return blank(len(drawn[0]), height - len(drawn)) + drawn
    drawn = OVERRIDES.get((recipe.source, code))
    if drawn:
        grid = (len(drawn) - 1, drawn)
    else:
        pix = font.get(unicode_for(code)) or font[ord('?')]
        grid = rescale_zones(to_grid(pix), recipe.src_zones, recipe.dst_zones)
    rows = place(grid, recipe.above, below)
    rows = trim_columns(rows)
    if (recipe.source, code) in NARROWED:
        rows = narrow_to_stem(rows)
    if cell_limit:
        rows = fit_width(rows, cell_limit)
    if recipe.style == 'square':
        rows = square_corners(rows)
    assert len(rows) == height
    return rows


def blank(width, height):
    return ['.' * width] * height


def header_line(code, note=''):
    shown = chr(unicode_for(code)) if code not in BLANKS | {NARROW_BLANK} else ''
    if code == 0x20:
        shown = ''
    text = 'glyph 0x%02X' % code
    if shown and (0x21 <= code <= 0x7E or code >= 0x80):
        text += ' ' + shown
    if note:
        text += ' ' + note
    return text


def write_set(path, recipe, kind, rows, codes, glyphs):
    with open(path, 'w', encoding='utf-8') as out:
        out.write('; Character set %d, %s: %s set.\n' % (recipe.font_id, recipe.name, kind))
        out.write('; Derived from %s by tools/derive_glyphs.py.\n' % recipe.origin)
        out.write('charset %d %s\n' % (recipe.font_id, kind))
        out.write('rows %d\n' % rows)
        out.write('bytes %d\n' % recipe.bytes_per_row)
        out.write('cell %d\n' % recipe.cell)
        out.write('spacing %d\n' % recipe.spacing)
        out.write('glyphs %d\n' % len(codes))
        for code, g in zip(codes, glyphs):
            note = 'blank' if code in BLANKS | {NARROW_BLANK} else ''
            out.write('\n' + header_line(code, note) + '\n')
            for r in g:
                out.write(r + '\n')


def build(recipe, fonts):
    font = fonts.setdefault(recipe.source, None) or load_pcf(os.path.join(MISC, recipe.source))
    fonts[recipe.source] = font
    below = recipe.rows - recipe.above
    main_codes = list(range(32, 32 + recipe.count))
    main = {}
    for code in main_codes:
        if code in BLANKS or code == NARROW_BLANK:
            continue
        main[code] = derive_glyph(font, recipe, code, below, True)
    gap = max(2, round(len(main[ord('n')][0]) * 0.6))
    for code in BLANKS:
        if code in main_codes:
            main[code] = blank(gap, recipe.rows)
    main[NARROW_BLANK] = blank(1, recipe.rows)
    base = 'set%02d' % recipe.font_id
    write_set(os.path.join(OUT_DIR, base + '-main.txt'), recipe, 'main', recipe.rows, main_codes,
              [main[c] for c in main_codes])
    if recipe.wide:
        codes = [ord(c) for c in 'MmWw']
        glyphs = [widen(main[c], 8 * recipe.bytes_per_row) for c in codes]
        write_set(os.path.join(OUT_DIR, base + '-wide.txt'), recipe, 'wide', recipe.rows, codes,
                  glyphs)
    if recipe.descender_rows:
        codes = [ord(c) for c in 'gjpqy,']
        d_below = recipe.descender_rows - recipe.above
        glyphs = [derive_glyph(font, recipe, c, d_below, False) for c in codes]
        write_set(os.path.join(OUT_DIR, base + '-descender.txt'), recipe, 'descender',
                  recipe.descender_rows, codes, glyphs)


def main(argv):
    wanted = {int(a) for a in argv[1:]}
    fonts = {}
    for recipe in RECIPES:
        if not wanted or recipe.font_id in wanted:
            build(recipe, fonts)
            print('wrote set %d' % recipe.font_id)


if __name__ == '__main__':
    main(sys.argv)
