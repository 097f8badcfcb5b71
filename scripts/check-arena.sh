#!/usr/bin/env bash
# Plays the stand-in against itself in the arena on one and on three threads:
# the results must be the same and the interval of the difference must hold 0.
# Then checks the frozen reference player `baseline` (bench/BaselinePlayer.h):
# it still plays the games stored in bench/baseline-signature.txt, and the
# full player against it gives the same result on one and on three threads.
# --update-baseline stores the reference's games anew: only for a change of
# the game flow or the rules, never for a change of the computer player.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SKAT_BUILD_DIR:-$root/build}
arena=$build/bench/bench_arena
games=$build/bench/bench_headless_games
for program in "$arena" "$games"; do
    if [[ ! -x $program ]]; then
        echo "check-arena: $program is not built" >&2
        exit 1
    fi
done

# True when the last line's interval "(95% CI L..H)" holds 0.
holdsZero() { awk '{ split($11, ci, /\.\./); sub(/\)/, "", ci[2]); exit !(ci[1] + 0 <= 0 && ci[2] + 0 >= 0) }' <<<"$1"; }
# True when the interval lies wholly below 0: A is weaker than B.
weakerBeyondChance() { awk '{ split($11, ci, /\.\./); sub(/\)/, "", ci[2]); exit !(ci[2] + 0 < 0) }' <<<"$1"; }

# The last line of A against B on one thread; fails when three threads give
# another result.
sameOnThreads() {
    local one three
    one=$("$arena" --a "$1" --b "$2" --deals "$3" --seed 7 --threads 1)
    three=$("$arena" --a "$1" --b "$2" --deals "$3" --seed 7 --threads 3)
    if [[ $one != "$three" ]]; then
        echo "check-arena: $1 against $2 depends on the thread count" >&2
        diff <(printf '%s\n' "$one") <(printf '%s\n' "$three") >&2 || true
        return 1
    fi
    printf '%s\n' "$one" | tail -n 1
}

last=$(sameOnThreads standin standin 300)
if ! holdsZero "$last"; then
    echo "check-arena: standin against itself: $last" >&2
    exit 1
fi
echo "check-arena: $last"

reference=$root/bench/baseline-signature.txt
actual=$("$games" --logic baseline --games 24 --seed 3 | grep -E '^(games|signature):')
if [[ ${1:-} == --update-baseline ]]; then
    printf '%s\n' "$actual" >"$reference"
    echo "check-arena: stored $reference"
elif [[ $actual != "$(cat "$reference")" ]]; then
    echo "check-arena: the reference player baseline no longer plays its stored games" >&2
    echo "expected:" >&2; cat "$reference" >&2
    echo "actual:" >&2; printf '%s\n' "$actual" >&2
    exit 1
fi

last=$(sameOnThreads full baseline 8)
# The full player has moved on from the reference (memory draw, every lead
# rating, bound pairs, node budget, deals drawn to the bidding, an earlier
# analysis) and is meant to get stronger; on eight deals it must not be
# weaker beyond chance. Its margin is measured on thousands of deals, in
# bench/RESULTS.md, not here.
if weakerBeyondChance "$last"; then
    echo "check-arena: full against baseline: $last" >&2
    exit 1
fi
echo "check-arena: full against baseline: $last"
