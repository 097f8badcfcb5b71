#!/usr/bin/env bash
# Runs every libFuzzer target (the readers' and the frame parser's, all under
# ASan and UBSan) for a while, in parallel, and prints the executions of each.
#   bash scripts/fuzz.sh [seconds]        # default 60 seconds per target
# $SKAT_FUZZ_TARGETS names the targets to run, in that order (default: all);
# $SKAT_FUZZ_RUNS ends a target after that many executions even before its
# seconds are up (default: no such limit).
# $SKAT_FUZZ_JOBS targets run at once (default 4); the build folder is
# $SKAT_BUILD_DIR (default build). New inputs go to <build>/fuzz/long-corpus/<target>
# (apart from the small scratch corpus CTest replays);
# a finding is kept as <build>/fuzz/findings/<target>/crash-* (or leak-, timeout-)
# and makes the script fail: copy it into the target's corpus folder under
# tests/ once the fault is mended, so that CTest replays it on every run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds]" >&2
  exit 2
fi
jobs=${SKAT_FUZZ_JOBS:-4}
runs=${SKAT_FUZZ_RUNS:--1}
if ! [[ $runs =~ ^(-1|[1-9][0-9]*)$ ]]; then
  echo "SKAT_FUZZ_RUNS must be a positive number of executions" >&2
  exit 2
fi
build=${SKAT_BUILD_DIR:-$root/build}

# Two runs at once (of different targets) build one after the other.
mkdir -p "$build"
(
  flock 9
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target skat_fuzzers ipc_fuzz_frame_parser app_fuzz_text_table -j "$jobs"
) 9>"$build/.fuzz-build.lock"

fuzz=$build/fuzz
tests=$root/tests
dict=$tests/support/fuzz/skat.dict
# target | its seeds (built) | its kept corpus (sources) | its dictionary
targets=(
  "$fuzz/fuzz_sheet|$fuzz/seeds/sheet|$tests/engine/data/fuzz/sheet|$dict"
  "$fuzz/fuzz_deal|$fuzz/seeds/deal|$tests/engine/data/fuzz/deal|$dict"
  "$fuzz/fuzz_running_game|$fuzz/seeds/running|$tests/engine/data/fuzz/running|$dict"
  "$fuzz/fuzz_network_message|$fuzz/seeds/message|$tests/net/data/fuzz/message|$dict"
  "$fuzz/fuzz_xml|$fuzz/seeds/xml|$tests/vordix/data/fuzz/xml|$dict"
  "$fuzz/fuzz_number|$fuzz/seeds/number|$tests/vordix/data/fuzz/number|"
  "$fuzz/fuzz_logic_tables||$tests/logic/data/fuzz/logic_tables|"
  "$fuzz/fuzz_card_sets||$tests/app/data/fuzz/card_sets|$dict"
  "$fuzz/fuzz_high_scores||$tests/app/data/fuzz/high_scores|$dict"
  "$fuzz/fuzz_payload||$tests/setup/data/fuzz/payload|"
  "$fuzz/fuzz_product_list||$tests/setup/data/fuzz/product_list|"
  "$build/tests/ipc/fuzz_frame_parser||$tests/ipc/data/frames|"
  "$build/tests/app/fuzz_text_table||$tests/app/data/texts|"
)
if [[ -n ${SKAT_FUZZ_TARGETS:-} ]]; then
  chosen=()
  for name in $SKAT_FUZZ_TARGETS; do
    found=
    for t in "${targets[@]}"; do
      if [[ $(basename "${t%%|*}") == "$name" ]]; then chosen+=("$t"); found=1; fi
    done
    if [[ -z $found ]]; then echo "no fuzz target named $name" >&2; exit 2; fi
  done
  targets=("${chosen[@]}")
fi

logs=$fuzz/logs
mkdir -p "$logs"
run_one() {
  IFS='|' read -r program seeds corpus dictionary <<<"$1"
  local name scratch findings dirs=() options=()
  name=$(basename "$program")
  scratch=$fuzz/long-corpus/$name
  findings=$fuzz/findings/$name
  mkdir -p "$scratch" "$findings"
  dirs+=("$scratch")
  for d in "$seeds" "$corpus"; do
    if [[ -n $d && -d $d ]]; then dirs+=("$d"); fi
  done
  if [[ -n $dictionary ]]; then options+=(-dict="$dictionary"); fi
  ASAN_OPTIONS="detect_leaks=1:halt_on_error=1" UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    "$program" -max_total_time="$seconds" -runs="$runs" -max_len=8192 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/" "${options[@]}" "${dirs[@]}" >"$logs/$name.log" 2>&1
}
export -f run_one
export fuzz seconds runs logs

echo "Fuzzing ${#targets[@]} targets for $seconds s each, $jobs at once (logs in $logs)"
status=0
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one "$1"' _ {} || status=$?

printf '%-22s %14s %9s %10s\n' target executions seconds result
for t in "${targets[@]}"; do
  name=$(basename "${t%%|*}")
  log=$logs/$name.log
  done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  if grep -qE '^==[0-9]+==.*ERROR|^SUMMARY: .*Sanitizer|deadly signal|ERROR: libFuzzer' "$log"; then
    result=FINDING
  else
    result=ok
  fi
  printf '%-22s %14s %9s %10s\n' "$name" "${done_runs:-?}" "${took:-?}" "$result"
done
exit "$status"
