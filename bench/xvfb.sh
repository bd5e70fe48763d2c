# SPDX-License-Identifier: MIT
# Sourced by the start-up and screenshot scripts: a private virtual X server for this run.
#   start_xvfb   starts it on a free display and exports DISPLAY
#   stop_xvfb    stops it again (safe to call twice)

xvfb_pid=

start_xvfb() {
    local number_file
    number_file=$(mktemp)
    # -displayfd picks a free display and writes its number once the server accepts clients.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
    xvfb_pid=$!
    local tries=0
    while [ ! -s "$number_file" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 500 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "Xvfb did not start" >&2
            rm -f "$number_file"
            return 1
        fi
        sleep 0.01
    done
    export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    rm -f "$number_file"
    # Now and then the server named a display that does not yet take connections.
    tries=0
    until xwininfo -root >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -gt 500 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "Xvfb on $DISPLAY takes no connections" >&2
            return 1
        fi
        sleep 0.01
    done
}

stop_xvfb() {
    [ -n "$xvfb_pid" ] || return 0
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
}
