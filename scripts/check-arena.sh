#!/usr/bin/env bash
# Plays the stand-in against itself in the arena on one and on three threads:
# the results must be the same and the interval of the difference must hold 0.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SKAT_BUILD_DIR:-$root/build}
arena=$build/bench/bench_arena
if [[ ! -x $arena ]]; then
    echo "check-arena: $arena is not built" >&2
    exit 1
fi
one=$("$arena" --a standin --b standin --deals 300 --seed 7 --threads 1)
three=$("$arena" --a standin --b standin --deals 300 --seed 7 --threads 3)
if [[ $one != "$three" ]]; then
    echo "check-arena: the result depends on the thread count" >&2
    diff <(printf '%s\n' "$one") <(printf '%s\n' "$three") >&2 || true
    exit 1
fi
last=$(printf '%s\n' "$one" | tail -n 1)
if ! awk '{ split($11, ci, /\.\./); sub(/\)/, "", ci[2]); exit !(ci[1] + 0 <= 0 && ci[2] + 0 >= 0) }' <<<"$last"; then
    echo "check-arena: standin against itself: $last" >&2
    exit 1
fi
echo "check-arena: $last"
