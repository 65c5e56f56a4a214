#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A sample session of the `marquee` host. It drives a small TCP peer on loopback and a serial
# line on a pseudo-terminal pair (both played by socat), sends the example factory board
# (examples/factory.xml: a template with fields, a string, alarms) to a second TCP peer,
# prints the packets as the control's packet dump writes them and the bytes that arrived,
# and then shows the factory board on a sign: live on the simulator's window when there is
# a display, on this terminal (drawn by orvexsim-render) when there is none.
#
# Everything it makes lives in one private folder that it removes at the end: its own
# settings, runtime and temporary folders, so it never touches a simulator or settings of
# yours, and its own copy of the simulator, whose settings file stays beside that copy.
#
# DEMO_HOLD: seconds each stage of the board stays on the window (default 3).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-build}
[[ $build = /* ]] || build=$here/$build
marquee=$build/host/marquee
orvexsim=$build/simulator/app/orvexsim
render=$build/simulator/render/orvexsim-render
hold=${DEMO_HOLD:-3}
for program in "$marquee" "$orvexsim" "$render"; do
    if [[ ! -x $program ]]; then
        echo "demo: $program is missing; run 'make programs' first" >&2
        exit 1
    fi
done
command -v socat > /dev/null || { echo "demo: socat is missing; run 'make deps'" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/marquee-demo.XXXXXX")
helpers=()

# The simulators this demo started: every process running its private copy of orvexsim
# (read with the shell's own means: a machine may run thousands of processes).
demo_simulators() {
    local proc program
    for proc in /proc/[0-9]*; do
        program=""
        { IFS= read -r -d '' program < "$proc/cmdline"; } 2> /dev/null || true
        [[ $program == "$work/orvexsim" ]] && echo "${proc#/proc/}"
    done
    return 0
}

# Waits up to $1 tenths of a second for the demo's simulators to end.
simulators_ended() {
    local tenths=$1
    while ((tenths-- > 0)); do
        [[ -z $(demo_simulators) ]] && return 0
        sleep 0.1
    done
    [[ -z $(demo_simulators) ]]
}

cleanup() {
    local pid
    for pid in "${helpers[@]}"; do kill "$pid" 2> /dev/null || true; done
    for pid in "${helpers[@]}"; do wait "$pid" 2> /dev/null || true; done
    # A simulator still running holds its lock file and socket in the private runtime
    # folder: it must be gone before the folder is.
    if ! simulators_ended 100; then
        for pid in $(demo_simulators); do kill "$pid" 2> /dev/null || true; done
        simulators_ended 50 || for pid in $(demo_simulators); do kill -KILL "$pid" 2> /dev/null || true; done
        simulators_ended 20 || true
    fi
    rm -rf "$work"
    [[ -z ${finished:-} ]] || step "Done: the demo's folder $work is removed."
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# Private folders for everything that keeps state. The display stays reachable: its
# authority file and a Wayland socket are named by absolute paths before HOME and
# XDG_RUNTIME_DIR change.
if [[ -z ${XAUTHORITY:-} && -f ${HOME:-/nonexistent}/.Xauthority ]]; then
    export XAUTHORITY=$HOME/.Xauthority
fi
if [[ -n ${WAYLAND_DISPLAY:-} && $WAYLAND_DISPLAY != /* && -n ${XDG_RUNTIME_DIR:-} ]]; then
    export WAYLAND_DISPLAY=$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY
fi
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
export XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
export TMPDIR=$work/tmp
mkdir -p -m 700 "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" \
    "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"

step() { printf '\n== %s\n' "$*"; }
exec 3>&1  # the terminal, for what is said while a pipe takes standard output

# The control's settings: the packet dump goes to $work/dump.txt and COM1 is our
# pseudo-terminal.
cat > "$XDG_CONFIG_HOME/ZTKMarqueeControl.conf" << CONF
[DumpOutput]
File=$work/dump.txt

[SerialPorts]
COM1=$work/ttyA
CONF

# True once something listens on 127.0.0.1:$1.
listening() {
    local hex
    hex=$(printf '0100007F:%04X' "$1")
    grep -q "^ *[0-9]*: $hex 00000000:0000 0A " /proc/net/tcp
}

# A "sign" on TCP: socat listens on a free loopback port and keeps every byte in $2. Sets
# peer_port.
tcp_peer() {
    local name=$1 file=$2 port pid
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        port=$((20000 + RANDOM % 12000))
        listening "$port" && continue
        socat -u "TCP-LISTEN:$port,bind=127.0.0.1,reuseaddr" "OPEN:$file,creat,trunc" \
            2> "$work/$name.err" &
        pid=$!
        for _ in $(seq 50); do
            if listening "$port"; then
                helpers+=("$pid")
                peer_port=$port
                return 0
            fi
            kill -0 "$pid" 2> /dev/null || break
            sleep 0.1
        done
        kill "$pid" 2> /dev/null || true
        wait "$pid" 2> /dev/null || true
    done
    echo "demo: no free port for the $name peer" >&2
    return 1
}

step "Preparing: two TCP peers and a serial line (socat), in the private folder $work"
tcp_peer tcp "$work/tcp.bin"
port=$peer_port
tcp_peer board "$work/board.bin"
board_port=$peer_port
# The "sign" on a serial line: a pseudo-terminal pair; the control writes to ttyA.
socat "PTY,raw,echo=0,link=$work/ttyA" "PTY,raw,echo=0,link=$work/ttyB" &
helpers+=($!)
for _ in $(seq 50); do [[ -e $work/ttyB ]] && break; sleep 0.1; done
cat "$work/ttyB" > "$work/serial.bin" 2> /dev/null &
helpers+=($!)
echo "   TCP peers on 127.0.0.1:$port and 127.0.0.1:$board_port; serial line $work/ttyA"

run() {
    local shown="" word
    for word in "$@"; do
        if [[ $word == *" "* ]]; then shown+=" \"$word\""; else shown+=" $word"; fi
    done
    echo "\$ marquee$shown"
    "$marquee" "$@" 2>&1 || echo "(exit status $?)"
}

step "Step 1 of 5: a TCP session (Initialize pauses 2 s after writing the sign's memory layout)"
run -e "set MarqueeConnectMode 1" -e "set NetworkAddress 127.0.0.1" -e "set NetworkPort $port" \
    -e "Initialize" \
    -e "QuickDisplay 'HELLO' Green '' Hold '' Top" \
    -e "GetSocketState"

step "Step 2 of 5: a serial session on COM1, from a script on standard input"
script='# one call a line; words split as a shell splits them
set SerialComPort 1
set SerialBaudRate 19200
set MarqueeAddress 1f
QuickDisplay "Open \x2D 9 to 5" Amber S5 "" Sparkle Bottom
Reset
set SerialParity none      # refused: the parity is spelled "None"
ChangeMode 3               # no such mode: False'
echo "$script" | sed 's/^/    /'
echo "\$ marquee -f - < script"
echo "$script" | "$marquee" -f - 2>&1 || echo "(exit status $?)"

# The factory board: a template with fields, then an alarm over it, then the template back.
board_start='set MessageFile '"$here/examples/factory.xml"'
Initialize
set TemplateName "Line Status"
ChangeMode TEMPLATE        # the template, then each field blanked to its width
UpdateVariable count 1234  # one small packet: the field "count", 5 wide
UpdateVariableAdv state RUNNING Green 1'
board_alarm='set AlarmName Fire
AlarmAdd                   # an alarm replaces what is shown'
board_back='AlarmAcknowledge           # the last one: the template comes back with its values'

step "Step 3 of 5: the example factory board over TCP, with a string and two alarms"
board='set MarqueeConnectMode 1
set NetworkAddress 127.0.0.1
set NetworkPort '"$board_port"'
set MarqueeLogFile '"$work/errors.txt"'
'"$board_start"'
set StringName Welcome
ChangeMode STRING
UpdateVariable hall 3
set AlarmName Fire
AlarmAdd                   # alarms replace the string, newest first
set AlarmName Gas
AlarmAdd
AlarmAcknowledge
set AlarmName Fire
AlarmAcknowledge           # the last one: the string comes back'
echo "$board" | sed 's/^/    /'
echo "\$ marquee -f - < script"
echo "$board" | "$marquee" -f - 2>&1 || echo "(exit status $?)"
sleep 0.3

step "Step 4 of 5: what was sent"
echo "The packet dump ($work/dump.txt): one line per packet, control bytes in [hex]"
# The memory layout is 750 bytes; long lines are cut.
awk '{ if (length($0) > 320) print "    " substr($0, 1, 316) " ..."; else print "    " $0 }' \
    "$work/dump.txt"
if [[ -s $work/errors.txt ]]; then
    echo "The error log"
    sed 's/^/    /' "$work/errors.txt"
fi
echo "Bytes the TCP peer received: $(stat -c %s "$work/tcp.bin")"
od -A d -t x1 "$work/tcp.bin" | head -3
echo "    ..."
echo "Bytes on the serial line: $(stat -c %s "$work/serial.bin")"
od -A d -t x1 "$work/serial.bin"
echo "Bytes the factory board's TCP peer received: $(stat -c %s "$work/board.bin")"

# Starts the demo's own copy of the simulator under the control's class and waits until it
# takes packets; false when it cannot show a window here.
start_simulator() {
    cp "$orvexsim" "$work/orvexsim"
    cp "$here/simulator/app/orvexsim.example.ini" "$work/orvexsim.ini"
    "$work/orvexsim" -class simwin > "$work/orvexsim.log" 2>&1 &
    simulator=$!
    for _ in $(seq 200); do
        "$work/orvexsim" -class simwin -leds /dev/null 2> /dev/null && return 0
        kill -0 "$simulator" 2> /dev/null || break
        sleep 0.1
    done
    kill "$simulator" 2> /dev/null || true
    wait "$simulator" 2> /dev/null || true
    sed 's/^/    /' "$work/orvexsim.log"
    return 1
}

stages=("$board_start" "$board_alarm" "$board_back")
stage_titles=("the template with its values" "an alarm over it" "the template back")

# The board's calls in simulate mode, a stage at a time, each held on the window; what each
# stage does is said before its calls run.
drive_window() {
    local i
    echo 'set MarqueeConnectMode 2'
    echo "set MarqueeLogFile $work/sim-errors.txt"
    for i in "${!stages[@]}"; do
        echo "-- Stage $((i + 1)) of ${#stages[@]}: ${stage_titles[i]}" >&3
        echo "${stages[i]}" | sed 's/^/    /' >&3
        echo "${stages[i]}"
        sleep "$hold"
    done
}

# The same stages drawn on this terminal: the packets of each stage's calls so far, as
# orvexsim-render shows them after one second of sign time.
draw_on_terminal() {
    local calls="" i
    for i in "${!stages[@]}"; do
        calls+="${stages[i]}"$'\n'
        echo "-- Stage $((i + 1)) of ${#stages[@]}: ${stage_titles[i]}"
        echo "${stages[i]}" | sed 's/^/    /'
        echo "\$ marquee --output - -f - < calls | orvexsim-render --ansi -"
        echo "$calls" | "$marquee" --output - -f - 2> "$work/render-calls.txt" |
            "$render" --ansi - || sed 's/^/    /' "$work/render-calls.txt"
    done
}

step "Step 5 of 5: the factory board on a sign"
if [[ -n ${DISPLAY:-}${WAYLAND_DISPLAY:-} ]] && start_simulator; then
    echo "On the simulator's window (display ${DISPLAY:-$WAYLAND_DISPLAY}), in simulate mode:"
    echo "each stage stays $hold s, then the control ends and closes the window."
    echo "\$ ORVEXSIM=$work/orvexsim marquee -f - < calls"
    drive_window | ORVEXSIM=$work/orvexsim "$marquee" -f - 2>&1 || echo "(exit status $?)"
    # The control closed the window as it ended; the simulator then removes its files.
    for _ in $(seq 100); do kill -0 "$simulator" 2> /dev/null || break; sleep 0.1; done
    kill "$simulator" 2> /dev/null || true
    wait "$simulator" 2> /dev/null || true
else
    echo "No display here, so the board is drawn on this terminal, as orvexsim-render shows"
    echo "the packets the control writes (README: \"Seeing a sign without a display\")."
    draw_on_terminal
fi
finished=1
