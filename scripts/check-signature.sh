#!/usr/bin/env bash
# Plays a fixed set of headless games and compares their signature (settled
# values and a hash of the records) with the stored one: a change that should
# keep the play as it was must keep it, headless and with hand-offs alike. After an intended change of play,
# store the new lines with --update.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SKAT_BUILD_DIR:-$root/build}
reference=$root/bench/headless-signature.txt
bench=$build/bench/bench_headless_games
if [[ ! -x $bench ]]; then
    echo "check-signature: $bench is not built" >&2
    exit 1
fi
actual=$("$bench" --games 180 --seed 11 | grep -E '^(games|signature):')
if [[ ${1:-} == --update ]]; then
    printf '%s\n' "$actual" >"$reference"
    echo "check-signature: stored $reference"
    exit 0
fi
if [[ $actual != "$(cat "$reference")" ]]; then
    echo "check-signature: the headless games differ from the stored signature" >&2
    echo "expected:" >&2; cat "$reference" >&2
    echo "actual:" >&2; printf '%s\n' "$actual" >&2
    exit 1
fi
# Handing every request and event to a worker thread must play the same games.
handoffs=$("$bench" --games 180 --seed 11 --handoffs | grep -E '^(games|signature):')
if [[ $handoffs != "$actual" ]]; then
    echo "check-signature: the games with hand-offs differ from the headless ones" >&2
    printf '%s\n' "$handoffs" >&2
    exit 1
fi
echo "check-signature: same as stored (${actual##*signature: })"
