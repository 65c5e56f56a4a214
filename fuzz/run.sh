#!/usr/bin/env bash
# Runs every fuzz target of the build folder $1 for FUZZ_SECONDS seconds each, with its own
# corpus folder, and fails when a target finds a crash.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-20}
here=$(cd "$(dirname "$0")" && pwd)
status=0
shopt -s nullglob
for target in "$build"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$here/corpus-$name"
    mkdir -p "$corpus"
    # Seeds live beside the target's source: <dir>/seeds/<name>/ or <dir>/seeds/.
    seeds=()
    source=$(cd "$here/.." && git ls-files "*fuzz/$name.cpp" | head -n 1)
    if [ -n "$source" ]; then
        dir="$here/../$(dirname "$source")"
        if [ -d "$dir/seeds/$name" ]; then seeds=("$dir/seeds/$name");
        elif [ -d "$dir/seeds" ]; then seeds=("$dir/seeds"); fi
    fi
    echo "== $name for ${seconds}s"
    if ! "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" "${seeds[@]}"; then
        status=1
    fi
done
exit $status
