#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the career files fuzz target for a while, starting from the kept seeds and regressions:
#   fuzz/run_fuzz.sh FUZZ_BUILD_DIR SECONDS
# Fails when libFuzzer finds a crash, a leak, undefined behaviour or a harness check; the input
# that found it is left under the printed directory, to be kept in fuzz/regressions once mended.
set -euo pipefail

fuzzer="$1/fuzz/careerfiles_fuzz"
seconds="$2"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/gridlark-fuzz-XXXXXX")

mkdir -p "$work/corpus" "$work/findings"
cp "$here"/corpus/* "$here"/regressions/* "$work/corpus/"

# The target saves a game for every input; on a memory file system those saves cost no disk
# flushes, which more than doubles the inputs tried.
scratch=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm

status=0
TMPDIR="$scratch" "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/findings/" "$work/corpus" >"$work/log" 2>&1 || status=$?

grep -E '^(stat::|Done )' "$work/log" || true
if [ "$status" -ne 0 ]; then
    tail -n 60 "$work/log"
    echo "careerfiles fuzzing found a fault (status $status); inputs in $work/findings" >&2
    exit "$status"
fi
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
echo "fuzz careerfiles seconds=$seconds executions=$executions"
rm -rf "$work"
