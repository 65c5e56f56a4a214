#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws one picture per character set, for judging the glyphs at a glance.

Each picture shows, one group per line, as the sign's LEDs: the capitals, the lower case,
the digits, the punctuation, and then the wide letters and the letters with true descenders
where the set has them. The glyphs come from the compiled-in sets through `charset-show`,
so the pictures show exactly what the simulator draws. Standard Python only.

    python3 charset_sheets.py [BUILD_DIR]     # writes docs/images/charsets/setNN.png
"""

import os
import struct
import subprocess
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..', '..', '..'))
OUT_DIR = os.path.join(ROOT, 'docs', 'images', 'charsets')

GROUPS = [
    'ABCDEFGHIJKLMNOPQRSTUVWXYZ',
    'abcdefghijklmnopqrstuvwxyz',
    '0123456789',
    '!"#$%&\'()*+,-./:;<=>?@[\\]^_`{|}~',
]

PITCH = 5       # pixels per LED: a dot of 4 and a dark gap of 1
MARGIN = 2      # LEDs of dark sign around the glyphs and between the groups
# Palette: background between the dots, an LED that is off, a lit (red) LED.
COLOURS = [(0, 0, 0), (64, 64, 64), (255, 0, 0)]
# A 4 x 4 dot with its corners cut, so the LEDs read as round.
DOT = ['.##.', '####', '####', '.##.']


def show(tool, *args):
    """Rows of `charset-show ARGS`: one list of '#'/'.' rows per block it prints."""
    text = subprocess.run([tool, *args], check=True, capture_output=True,
                          encoding='latin-1').stdout
    blocks, rows = [], []
    for line in text.split('\n'):
        if line.startswith('resource '):
            continue
        if line:
            rows.append(line)
        elif rows:
            blocks.append(rows)
            rows = []
    if rows:
        blocks.append(rows)
    return blocks


def glyph_count(tool, resource):
    """Glyphs of a resource, or 0 when the set has no such resource."""
    done = subprocess.run([tool, '-r', hex(resource)], capture_output=True, encoding='latin-1')
    if done.returncode != 0:
        return 0
    return int(done.stdout.split(':')[1].split()[0])


def set_lines(tool, font):
    """The LED rows of every group the set has, one list of rows per group."""
    count = glyph_count(tool, 0x100 | font)
    lines = []
    for group in GROUPS:
        # Only characters the set holds: the five-high set has no lower case or braces.
        text = ''.join(c for c in group if ord(c) - 32 < count)
        if text:
            lines += show(tool, str(font), text)
    extras = []
    for kind in (0x200, 0x300):
        if glyph_count(tool, kind | font):
            extras += show(tool, '-r', hex(kind | font))
    if extras:
        # Wide and descender letters side by side, bottom-aligned, a gap between them.
        height = max(len(b) for b in extras)
        gap = '.' * 4
        rows = []
        for y in range(height):
            parts = []
            for b in extras:
                pad = height - len(b)
                parts.append(b[y - pad] if y >= pad else '.' * len(b[0]))
            rows.append(gap.join(parts))
        lines.append(rows)
    return lines


def sheet(lines):
    """The LED grid of the picture: 0 off, 1 lit."""
    width = max(len(r[0]) for r in lines) + 2 * MARGIN
    grid = []
    blank = [0] * width
    for _ in range(MARGIN):
        grid.append(list(blank))
    for rows in lines:
        for r in rows:
            leds = [1 if c == '#' else 0 for c in r]
            grid.append([0] * MARGIN + leds + [0] * (width - MARGIN - len(leds)))
        for _ in range(MARGIN):
            grid.append(list(blank))
    return grid


def png(grid):
    """An indexed PNG of the LED grid, each LED a round dot on black."""
    height, width = len(grid) * PITCH, len(grid[0]) * PITCH
    raw = bytearray()
    for row in grid:
        for dy in range(PITCH):
            raw.append(0)  # no filter
            for led in row:
                for dx in range(PITCH):
                    inside = dy < len(DOT) and dx < len(DOT[0]) and DOT[dy][dx] == '#'
                    raw.append(1 + led if inside else 0)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    palette = b''.join(bytes(c) for c in COLOURS)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 3,
                                                              0, 0, 0)) +
            chunk(b'PLTE', palette) + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) +
            chunk(b'IEND', b''))


def main(argv):
    build = argv[1] if len(argv) > 1 else os.path.join(ROOT, 'build')
    tool = os.path.join(build, 'simulator', 'core', 'charsets', 'charset-show')
    os.makedirs(OUT_DIR, exist_ok=True)
    for font in range(1, 13):
        path = os.path.join(OUT_DIR, 'set%02d.png' % font)
        with open(path, 'wb') as out:
            out.write(png(sheet(set_lines(tool, font))))
        print('wrote', os.path.relpath(path, ROOT))


if __name__ == '__main__':
    main(sys.argv)
