#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The README's pictures, drawn on a private virtual X server so that the real fonts are used:
# the game's window in the middle of a game and the Pass Types window, both over a career that
# the balance simulator plays from a fixed seed, so that they come out the same after a change.
#   bench/screenshot.sh [build directory] [pictures directory]
#   (defaults: build, docs; makes screenshot.png and passtypes.png)
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$top/build}
pictures=${2:-$top/docs}
bench=$build/bench/gridlark-bench
sim=$build/tools/sim/gridlark-sim
for program in "$bench" "$sim"; do
    [ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }
done

# shellcheck source=bench/xvfb.sh
. "$top/bench/xvfb.sh"

scratch=$(mktemp -d)
cleanup() {
    stop_xvfb
    rm -rf "$scratch"
}
trap cleanup EXIT

# Five seasons and five games of the sixth, thrown a little either side of the target.
mkdir "$scratch/career"
"$sim" --dir "$scratch/career" --games 85 --seed 23 --stop 35:44 2>/dev/null

export HOME=$scratch XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=xcb
chmod 700 "$scratch"
mkdir -p "$pictures"
start_xvfb
"$bench" --career "$scratch/career" --screenshot "$pictures/screenshot.png" \
    --passtypes "$pictures/passtypes.png"
for picture in "$pictures/screenshot.png" "$pictures/passtypes.png"; do
    echo "$picture: $(stat -c %s "$picture") bytes"
done
