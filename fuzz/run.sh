#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every fuzz target of the build folder $1 for FUZZ_SECONDS seconds each, one after the
# other, with its own corpus folder, and fails when a target finds a crash. Each target's
# output goes to <build>/fuzz/<target>.log; at the end a table shows, per target, what
# libFuzzer reported last: runs, coverage (cov: edges, ft: features) and corpus size.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-20}
here=$(cd "$(dirname "$0")" && pwd)
status=0
rows=()
shopt -s nullglob
for target in "$build"/fuzz/fuzz_*; do
    [ -x "$target" ] && [ -f "$target" ] || continue
    name=$(basename "$target")
    corpus="$here/corpus-$name"
    mkdir -p "$corpus"
    # Seeds live beside the target's source: <dir>/seeds/<name>/ or <dir>/seeds/; a
    # dictionary there is <dir>/<name>.dict.
    seeds=()
    dict=()
    source=$(cd "$here/.." && git ls-files "*fuzz/$name.cpp" | head -n 1)
    if [ -n "$source" ]; then
        dir="$here/../$(dirname "$source")"
        if [ -d "$dir/seeds/$name" ]; then seeds=("$dir/seeds/$name");
        elif [ -d "$dir/seeds" ]; then seeds=("$dir/seeds"); fi
        if [ -f "$dir/$name.dict" ]; then dict=("-dict=$dir/$name.dict"); fi
    fi
    log="$build/fuzz/$name.log"
    echo "== $name for ${seconds}s (seeds: ${#seeds[@]} folder(s), output in $log)"
    result=ok
    if ! "$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$here/" "${dict[@]}" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
        result="FAILED: see $log"
        status=1
        tail -n 30 "$log"
    fi
    last=$(grep -E '^#[0-9]+' "$log" | grep 'cov:' | tail -n 1 || true)
    field() { sed -nE "s/.*$1: ([0-9]+).*/\\1/p" <<<"$last"; }
    runs=$(sed -nE 's/^stat::number_of_executed_units: ([0-9]+)/\1/p' "$log" | tail -n 1)
    rows+=("$(printf '%-24s %12s %8s %8s %8s  %s' "$name" "${runs:-?}" "$(field cov)" \
        "$(field ft)" "$(field corp)" "$result")")
done
printf '\n%-24s %12s %8s %8s %8s  %s\n' target runs cov ft corpus result
for row in "${rows[@]}"; do echo "$row"; done
exit $status
