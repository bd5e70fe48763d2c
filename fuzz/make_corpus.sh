#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the seed inputs of the career files fuzz target from careers the simulator plays:
#   fuzz/make_corpus.sh BUILD_DIR
# Each seed is laid out as careerfiles_fuzz.cpp describes: the two lengths, gdk.dat, gdk.rec, and a
# quarterback's name in UTF-16LE.
set -euo pipefail

sim="$1/tools/sim/gridlark-sim"
corpus="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# seed FILE GAMES RANDOM-SEED STOP NAME
seed() {
    local dir="$work/$1"
    mkdir -p "$dir"
    if [ "$2" -gt 0 ]; then
        "$sim" --dir "$dir" --games "$2" --seed "$3" --stop "$4" 2>/dev/null
    else
        : >"$dir/gdk.dat"
        : >"$dir/gdk.rec"
    fi
    local dat rec
    dat=$(stat -c %s "$dir/gdk.dat")
    rec=$(stat -c %s "$dir/gdk.rec")
    {
        printf "\\x$(printf %02x $((dat & 255)))\\x$(printf %02x $((dat >> 8)))"
        printf "\\x$(printf %02x "$rec")"
        cat "$dir/gdk.dat" "$dir/gdk.rec"
        printf %s "$5" | iconv -f UTF-8 -t UTF-16LE
    } >"$corpus/$1"
}

mkdir -p "$corpus"
seed empty-career 0 0 40 "Sam Dunmore"
seed one-game 1 11 38:42 "Lee \"Ace\" O'Hara <QB> & Co"
seed one-season 16 12 36:44 "Zoë Ångström-Łukasz"
seed three-seasons 56 13 35:45 "Tomás 🏈 Reyes"
seed whole-career 240 14 30:50 $'Kit\tMarsh\r\nIII'
