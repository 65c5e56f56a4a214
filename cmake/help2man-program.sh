#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs PROGRAM for help2man. Its --help lists further forms of the command line aligned
# under the first "Usage:" line; help2man takes only lines that begin with "or:" as such, so
# they are rewritten that way (and a program that names itself by its full path is named
# by its file name).
#
#   help2man-program.sh PROGRAM ARGUMENT...
set -euo pipefail
program=$1
shift
if [[ ${1:-} != --help ]]; then
    exec "$program" "$@"
fi
name=${program##*/}
"$program" --help | awk -v path="$program" -v name="$name" '
    function named(line) { gsub(path, name, line); return line }
    NR == 1 && /^Usage: / { usage = 1; print named($0); next }
    usage && match($0, "^ +" name " ") { print "  or: " named(substr($0, RSTART + RLENGTH - length(name) - 1)); next }
    { usage = 0; print named($0) }'
