#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# How long the game takes from start to a mapped window, and its peak memory, under a private
# virtual X server: the median of 10 runs.
#   bench/startup.sh [path to gridlark]      (default: build/src/app/gridlark)
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
game=${1:-$top/build/src/app/gridlark}
runs=10
[ -x "$game" ] || { echo "no game at $game" >&2; exit 2; }

# shellcheck source=bench/xvfb.sh
. "$top/bench/xvfb.sh"

scratch=$(mktemp -d)
game_pid=
cleanup() {
    [ -z "$game_pid" ] || kill -9 "$game_pid" 2>/dev/null || true
    stop_xvfb
    rm -rf "$scratch"
}
trap cleanup EXIT

# A copy in a scratch directory, so the career files it may keep beside itself land there,
# and a scratch home for whatever else it writes.
mkdir -p "$scratch/app" "$scratch/home"
cp "$game" "$scratch/app/gridlark"
export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/.local/share
export XDG_CONFIG_HOME=$scratch/home/.config XDG_CACHE_HOME=$scratch/home/.cache
export XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_xvfb

now_ns() { date +%s%N; }

# The id of the game's main window once it exists, from its title.
window_id() {
    xwininfo -root -children 2>/dev/null | awk '/"Gridlark v/ { print $1; exit }'
}

mapped() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# One run: "<milliseconds to the mapped window> <peak resident kilobytes>".
one_run() {
    local start id="" deadline
    start=$(now_ns)
    "$scratch/app/gridlark" >/dev/null 2>&1 &
    game_pid=$!
    deadline=$((start + 20 * 1000000000))
    until [ -n "$id" ] && mapped "$id"; do
        [ -n "$id" ] || id=$(window_id)
        if [ "$(now_ns)" -gt "$deadline" ] || ! kill -0 "$game_pid" 2>/dev/null; then
            echo "the game's window did not appear" >&2
            return 1
        fi
    done
    local mapped_at
    mapped_at=$(now_ns)
    # Let the first paint finish before the high-water mark is read.
    sleep 0.5
    local peak
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$game_pid/status")
    kill -9 "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=
    echo "$(((mapped_at - start) / 1000)) $peak"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

results=$scratch/results
for run in $(seq "$runs"); do
    one_run >>"$results"
    tail -n 1 "$results" | awk -v run="$run" '{ printf "run %d: %.1f ms, %d kB\n", run, $1 / 1000, $2 }' >&2
done

startup_ms=$(awk '{ print $1 / 1000 }' "$results" | median)
peak_mb=$(awk '{ print $2 / 1024 }' "$results" | median)
printf 'startup median_ms=%.1f peak_rss_mb=%.1f (%d runs)\n' "$startup_ms" "$peak_mb" "$runs"
