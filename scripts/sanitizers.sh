#!/usr/bin/env bash
# Builds the test programs with a sanitizer and runs their tests.
#   bash scripts/sanitizers.sh address [label regex]  # ASan + UBSan, default: every label
#   bash scripts/sanitizers.sh thread  [label regex]  # TSan, default: the threaded labels
# Build folder: build-asan / build-tsan under the checkout, or $SKAT_BUILD_DIR.
# $SKAT_JOBS limits the build and test jobs (default 3).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-}
case $kind in
  address)
    flags="-fsanitize=address,undefined"
    labels=${2:-.*}
    build=${SKAT_BUILD_DIR:-$root/build-asan} ;;
  thread)
    flags="-fsanitize=thread"
    labels=${2:-ipc|engine|logic|net|windows|vordix}
    build=${SKAT_BUILD_DIR:-$root/build-tsan} ;;
  *) echo "usage: $0 address|thread [ctest label regex]" >&2; exit 2 ;;
esac
flags="$flags -fno-omit-frame-pointer"
# -O1 with line tables only: reports still name every function, file and
# line, and the test programs (gtest's macros above all) compile in about
# half the time of -O2 with full debug information.
optimise="-O1 -g1 -DNDEBUG"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKAT_BUILD_BENCH=OFF \
      -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$optimise" -DCMAKE_C_FLAGS_RELWITHDEBINFO="$optimise" >/dev/null

# Only the test programs of the chosen labels, plus what their tests start: the
# fuzz targets (ipc's and app's, and the readers' of engine, net and vordix), the Skat
# program (started by a windows test) and the DNS-SD peer (started by a net test).
targets=$(cmake --build "$build" --target help |
          sed -n 's/^\(test_[a-z]*\|[a-z]*_fuzz_[a-z_]*\|skat_fuzzers\|Skat\|net_dnssd_peer\):.*/\1/p' |
          while read -r t; do
            case $t in ipc_fuzz*) label=ipc ;; app_fuzz*) label=app ;; skat_fuzzers) label="engine|net|vordix" ;; Skat) label=windows ;;
              net_dnssd_peer) label=net ;;
              *) label=${t#test_} ;; esac
            for l in ${label//|/ }; do
              if [[ $l =~ ^($labels)$ ]]; then echo "$t"; break; fi
            done
          done)
# The fuzz targets are built with ASan and libFuzzer whatever the flags here,
# so a TSan run has nothing to learn from them: neither built nor run.
skip_tests=
if [[ $kind == thread ]]; then
  targets=$(grep -v -E '(^skat_fuzzers$|_fuzz_)' <<<"$targets" || true)
  skip_tests='\.Fuzz'
fi
if [[ -z $targets ]]; then echo "no test program matches the labels '$labels'" >&2; exit 2; fi
# The build runs its generators (pictures, card sets, sample files), built
# with the same flags. They are no tests, and under TSan the thread pool Qt
# paints large images with reports its own, invisible locking as races.
# shellcheck disable=SC2086
TSAN_OPTIONS=report_bugs=0 cmake --build "$build" --target $targets -j "${SKAT_JOBS:-3}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/scripts/tsan.supp"
ctest --test-dir "$build" -L "^($labels)$" ${skip_tests:+-E "$skip_tests"} --output-on-failure -j "${SKAT_JOBS:-3}"
