#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A picture of the game's window in the middle of a game, drawn on a private virtual X server
# so that the real fonts are used.
#   bench/screenshot.sh [path to gridlark-bench] [picture]
#   (defaults: build/bench/gridlark-bench, docs/screenshot.png)
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench=${1:-$top/build/bench/gridlark-bench}
picture=${2:-$top/docs/screenshot.png}
[ -x "$bench" ] || { echo "no benchmark at $bench" >&2; exit 2; }

# shellcheck source=bench/xvfb.sh
. "$top/bench/xvfb.sh"

scratch=$(mktemp -d)
cleanup() {
    stop_xvfb
    rm -rf "$scratch"
}
trap cleanup EXIT

export HOME=$scratch XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=xcb
chmod 700 "$scratch"
mkdir -p "$(dirname "$picture")"
start_xvfb
"$bench" --screenshot "$picture"
echo "$picture: $(stat -c %s "$picture") bytes"
