#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs programs one after another as windows of a real Wayland compositor, through Qt's Wayland
# platform: weston with its headless backend, started here on a runtime directory of its own and
# stopped on the way out. Works as root and without XDG_RUNTIME_DIR. Fails when any program does.
#   tools/run-under-weston.sh PROGRAM...
# The window tests run this way (CTest's window_tests_wayland), and so can the meter benchmark:
#   tools/run-under-weston.sh build/bench/gridlark-bench
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: run-under-weston.sh PROGRAM..." >&2; exit 2; }
if ! command -v weston >/dev/null; then
    echo "weston is missing; tools/setup.sh installs it" >&2
    exit 1
fi

# mktemp -d makes it 0700, as Wayland requires of a runtime directory.
runtime=$(mktemp -d)
weston_pid=
cleanup() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT

socket=gridlark
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
tries=0
until [ -S "$runtime/$socket" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 1000 ] || ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "weston did not start:" >&2
        cat "$runtime/weston.log" >&2
        exit 1
    fi
    sleep 0.01
done

# No fallback: a missing Wayland platform fails the run instead of drawing somewhere else.
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
unset DISPLAY
failed=()
for program in "$@"; do
    echo "== $(basename "$program") on Wayland"
    "$program" || failed+=("$(basename "$program")")
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "failed on Wayland: ${failed[*]}" >&2
    echo "weston's log:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi
echo "$# program(s) ran on Wayland, every one successfully"
