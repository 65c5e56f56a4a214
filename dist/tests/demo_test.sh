#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs examples/demo.sh as a user at a desktop would, twice in a row on a display of its own
# (Xvfb) and once without a display, while a simulator of the "user" runs under the control's
# class. Every run must pass and leave the temporary folder empty, the user's simulator
# running and showing what it showed, and nothing new in the build tree.
#
# demo_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/demo-test.XXXXXX")
xvfb_pid=""
decoy_pid=""

cleanup() {
    if [[ -n $decoy_pid ]]; then
        kill "$decoy_pid" 2> /dev/null || true
        wait "$decoy_pid" 2> /dev/null || true
    fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2> /dev/null || true
        wait "$xvfb_pid" 2> /dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The user's session: home, settings and runtime folders, and an empty temporary folder.
mkdir -p -m 700 "$work/home" "$work/config" "$work/runtime" "$work/tmp" "$work/decoy"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
export TMPDIR=$work/tmp
unset ORVEXSIM WAYLAND_DISPLAY QT_QPA_PLATFORM
# Leak reports of a sanitizer build are the unit tests' business, not the demo's.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

# A display of its own, on the first free number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(head -1 "$work/display")

# The user's own simulator, under the class the control uses, showing a message.
cp "$build/simulator/app/orvexsim" "$work/decoy/orvexsim"
touch "$work/decoy/orvexsim.ini"
"$work/decoy/orvexsim" -class simwin -listen 0 > "$work/decoy.log" 2>&1 &
decoy_pid=$!
for _ in $(seq 300); do
    grep -q '^listening on' "$work/decoy.log" && break
    kill -0 "$decoy_pid" || fail "the user's simulator did not start: $(cat "$work/decoy.log")"
    sleep 0.1
done
decoy_port=$(sed -n 's/^listening on 127.0.0.1:\([0-9]*\)$/\1/p' "$work/decoy.log")
[[ -n $decoy_port ]] || fail "the user's simulator does not listen: $(cat "$work/decoy.log")"
# Held still and in one colour, so that what it shows stays the same until something else
# drives it.
printf '\x01\x01\x01\x01\x01Z00\x02AA\x1b0b\x1c1MINE\x04' > "$work/mine.pkt"
socat -u "OPEN:$work/mine.pkt" "TCP:127.0.0.1:$decoy_port"
: > "$work/before.txt"
for _ in $(seq 100); do
    "$work/decoy/orvexsim" -class simwin -leds "$work/now.txt"
    grep -q '[^.]' "$work/now.txt" && cmp -s "$work/now.txt" "$work/before.txt" && break
    mv "$work/now.txt" "$work/before.txt"
    sleep 0.1
done
grep -q '[^.]' "$work/before.txt" || fail "the user's simulator shows nothing"

# The settings file a demo run from the build tree could have written beside the program.
beside=$build/simulator/app/orvexsim.ini
beside_before=$(stat -c %Y "$beside" 2> /dev/null || echo none)

demo() {
    local name=$1
    shift
    if ! env "$@" BUILD_DIR="$build" DEMO_HOLD=0 bash "$source/examples/demo.sh" \
        > "$work/$name.log" 2>&1 < /dev/null; then
        cat "$work/$name.log" >&2
        fail "the demo failed ($name)"
    fi
    grep -q '^== Done' "$work/$name.log" || fail "the demo did not finish ($name)"
    [[ -z $(ls -A "$TMPDIR") ]] || fail "the demo left files in TMPDIR ($name): $(ls -A "$TMPDIR")"
    kill -0 "$decoy_pid" 2> /dev/null || fail "the user's simulator was closed ($name)"
    "$work/decoy/orvexsim" -class simwin -leds "$work/after.txt" ||
        fail "the user's simulator no longer answers ($name)"
    cmp -s "$work/before.txt" "$work/after.txt" || fail "the user's simulator was driven ($name)"
    [[ $(stat -c %Y "$beside" 2> /dev/null || echo none) == "$beside_before" ]] ||
        fail "the demo wrote the settings beside the build's simulator ($name)"
    [[ -z $(ls -A "$work/config") ]] || fail "the demo wrote into the user's settings ($name)"
}

demo first
grep -q "On the simulator's window" "$work/first.log" ||
    fail "with a display the board was not shown on the window: $(cat "$work/first.log")"
demo second
demo no-display -u DISPLAY
grep -q $'\e\\[38;2;' "$work/no-display.log" ||
    fail "without a display the board was not drawn on the terminal: $(cat "$work/no-display.log")"
echo "the demo ran clean three times"
