#!/usr/bin/env bash
# A sample session of the `marquee` host: it drives a small TCP peer on loopback and a
# serial line on a pseudo-terminal pair (both played by socat), shows the example factory
# board (examples/factory.xml: a template with fields, a string, alarms) on a second TCP
# peer, and prints the packets as the control's packet dump writes them, then the bytes
# that arrived. With a display (DISPLAY set) it then shows the factory board on the
# simulator's window, orvexsim, in simulate mode.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-build}
[[ $build = /* ]] || build=$here/$build
marquee=$build/host/marquee
if [[ ! -x $marquee ]]; then
    echo "demo: $marquee is missing; run 'make build' first" >&2
    exit 1
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A private settings file: the packet dump goes to $work/dump.txt and COM1 is our
# pseudo-terminal. The user's own settings stay untouched.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"
cat > "$XDG_CONFIG_HOME/ZTKMarqueeControl.conf" <<CONF
[DumpOutput]
File=$work/dump.txt

[SerialPorts]
COM1=$work/ttyA
CONF

# The "signs" on TCP: socat listens on loopback and keeps every byte it receives.
port=$((20000 + RANDOM % 5000))
board_port=$((port + 5000))
socat -u "TCP-LISTEN:$port,bind=127.0.0.1,reuseaddr" "OPEN:$work/tcp.bin,creat,trunc" &
pids+=($!)
socat -u "TCP-LISTEN:$board_port,bind=127.0.0.1,reuseaddr" "OPEN:$work/board.bin,creat,trunc" &
pids+=($!)
# The "sign" on a serial line: a pseudo-terminal pair, the control writes to ttyA.
socat "PTY,raw,echo=0,link=$work/ttyA" "PTY,raw,echo=0,link=$work/ttyB" &
pids+=($!)
for _ in $(seq 50); do [[ -e $work/ttyB ]] && break; sleep 0.1; done
cat "$work/ttyB" > "$work/serial.bin" &
pids+=($!)
sleep 0.3

run() {
    local shown=""
    for word in "$@"; do
        if [[ $word == *" "* ]]; then shown+=" \"$word\""; else shown+=" $word"; fi
    done
    echo "\$ marquee$shown"
    "$marquee" "$@" 2>&1 || echo "(exit status $?)"
    echo
}

echo "== A TCP session (Initialize pauses 2 s after writing the sign's memory layout)"
run -e "set MarqueeConnectMode 1" -e "set NetworkAddress 127.0.0.1" -e "set NetworkPort $port" \
    -e "Initialize" \
    -e "QuickDisplay 'HELLO' Green '' Hold '' Top" \
    -e "GetSocketState"

echo "== A serial session on COM1, from a script on standard input"
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
echo
sleep 0.3

echo "== The example factory board over TCP: a template, field updates, a string, alarms"
board='set MarqueeConnectMode 1
set NetworkAddress 127.0.0.1
set NetworkPort '"$board_port"'
set MarqueeLogFile '"$work/errors.txt"'
set MessageFile '"$here/examples/factory.xml"'
Initialize
set TemplateName "Line Status"
ChangeMode TEMPLATE        # the template, then each field blanked to its width
UpdateVariable count 1234  # one small packet: the field "count", 5 wide
UpdateVariableAdv state RUNNING Green 1
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
echo
sleep 0.3

echo "== The packet dump ($work/dump.txt): one line per packet, control bytes in [hex]"
# The memory layout is 750 bytes; long lines are cut.
awk '{ if (length($0) > 320) print "    " substr($0, 1, 316) " ..."; else print "    " $0 }' \
    "$work/dump.txt"
[[ -s $work/errors.txt ]] && { echo "== Error log"; sed 's/^/    /' "$work/errors.txt"; }
echo
echo "== Bytes the TCP peer received: $(stat -c %s "$work/tcp.bin")"
od -A d -t x1 "$work/tcp.bin" | head -3
echo "    ..."
echo "== Bytes on the serial line: $(stat -c %s "$work/serial.bin")"
od -A d -t x1 "$work/serial.bin"
echo "== Bytes the factory board's TCP peer received: $(stat -c %s "$work/board.bin")"

# The factory board in simulate mode, on a real orvexsim window. A private copy of the
# program keeps its settings file (beside the program) in $work, seeded with the example
# list of models for Change Display.
orvexsim=$build/simulator/app/orvexsim
echo
if [[ -n ${DISPLAY:-} && -x $orvexsim ]]; then
    cp "$orvexsim" "$work/orvexsim"
    cp "$here/simulator/app/orvexsim.example.ini" "$work/orvexsim.ini"
    echo "== The factory board on the simulator (display $DISPLAY): watch its window"
    sim_board='set MarqueeConnectMode 2
set MarqueeLogFile '"$work/sim-errors.txt"'
set MessageFile '"$here/examples/factory.xml"'
Initialize                 # starts orvexsim -class simwin; its first packet finds no window yet
wait 2000
set TemplateName "Line Status"
ChangeMode TEMPLATE
UpdateVariable count 1234
UpdateVariableAdv state RUNNING Green 1
wait 4000
set AlarmName Fire
AlarmAdd
wait 3000
AlarmAcknowledge           # the template comes back with its values
wait 3000                  # then the control ends and closes the window'
    echo "$sim_board" | sed 's/^/    /'
    echo "\$ ORVEXSIM=$work/orvexsim marquee -f - < script"
    echo "$sim_board" | ORVEXSIM=$work/orvexsim "$marquee" -f - 2>&1 || echo "(exit status $?)"
else
    echo "== The simulator: no display here (DISPLAY is not set), so no window is shown."
    echo "   To watch the factory board on orvexsim, run 'make demo' in a desktop session."
    echo "   By hand: start '${orvexsim#"$here"/} -class simwin', then drive it from marquee"
    echo "   with 'set MarqueeConnectMode 2' (README: \"The simulator: orvexsim\")."
fi
