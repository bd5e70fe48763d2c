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
    [ -z "${MAPS_PID:-}" ] || kill "$MAPS_PID" 2>/dev/null || true
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

# Microseconds since the epoch, without starting a process that would compete with the game.
now_us() { echo "${EPOCHREALTIME/./}"; }

# The server reports every window mapped on the screen; no window manager runs, so the first
# ordinary one after a start is the game's main window, mapped at the moment it is reported.
# Waiting on the report instead of polling keeps the measuring from taking processor time.
coproc MAPS { exec xev -root -event substructure; }
sleep 0.5 # until it listens

# Waits for the next MapNotify of an ordinary window; fails after 20 seconds.
await_map() {
    local line seen=
    while IFS= read -r -t 20 -u "${MAPS[0]}" line; do
        case "$line" in
        MapNotify*) seen=1 ;;
        *"override NO"*) [ -n "$seen" ] && return 0 ;;
        *) seen= ;;
        esac
    done
    return 1
}

# One run: "<microseconds to the mapped window> <peak resident kilobytes>".
one_run() {
    local start mapped_at
    start=$(now_us)
    "$scratch/app/gridlark" >/dev/null 2>&1 &
    game_pid=$!
    if ! await_map; then
        echo "the game's window did not appear" >&2
        return 1
    fi
    mapped_at=$(now_us)
    if ! xwininfo -root -children | grep -q '"Gridlark v'; then
        echo "the window mapped is not the game's" >&2
        return 1
    fi
    # Let the first paint finish before the high-water mark is read.
    sleep 0.5
    local peak
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$game_pid/status")
    kill -9 "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    game_pid=
    echo "$((mapped_at - start)) $peak"
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
