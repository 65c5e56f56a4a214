#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Renders the pictures of docs/effects.md: one message in every display mode, each at a few
# steps, with orvexsim-render. Usage: make-effect-frames.sh [BUILD_DIR] (default: build).
set -euo pipefail

root=$(cd "$(dirname "$0")/../../../.." && pwd)
build=${1:-$root/build}
render=$build/simulator/render/orvexsim-render
out=$root/docs/images/effects
mkdir -p "$out"

# The text file "A" of the message after its mode bytes: a red and a green line.
hex_of() { printf '%s' "$1" | od -An -tx1 | tr -s ' \n' ' '; }
body=$(hex_of $'\x1c1WELCOME\r\x1c2PLATFORM 2')

# name, mode bytes, steps at which the screen is shown.
while read -r name mode steps; do
    packet="01 01 01 01 01 5A 30 30 02 41 41 1B 30 $(hex_of "$mode") $body 04"
    for n in $steps; do
        "$render" --model "Effects,120,24,3,7FFF,3FF,77" --time 2002-01-05T13:05 --zoom 3 \
            --steps "$n" --png "$out/$name-$n.png" -x "$packet"
    done
done <<'LIST'
hold b 1
rotate a 40 120 200 300
flash c 1 30
roll-up e 10 20 34 48
roll-down f 10 20 34 48
roll-left g 14 30 44 60
roll-right h 14 30 44 60
roll-in p 8 16 24 30
roll-out q 8 16 24 30
wipe-up i 10 20 34 48
wipe-down j 10 20 34 48
wipe-left k 14 30 44 60
wipe-right l 14 30 44 60
wipe-in r 8 16 24 30
wipe-out s 8 16 24 30
scroll m 40 96 260 330
twinkle n0 2 4 6 100
sparkle n1 11 31 51 80
snow n2 150 300 450 576
interlock n3 14 30 44 60
switch n4 10 20 34 48
slide n5 20 60 140 240
spray n6 40 100 170 240
starburst n7 2 40 66 96
cycle-colors nC 2 4 6 200
LIST
