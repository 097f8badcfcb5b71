#!/usr/bin/env bash
# Builds the network tests with ThreadSanitizer and with AddressSanitizer
# (plus UndefinedBehaviorSanitizer) and runs them. Build folders:
# <base>-tsan and <base>-asan, base = $1 or ./build-ipc.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
base=${1:-$root/build-ipc}
jobs=${SKAT_JOBS:-3}
for kind in tsan asan; do
  case $kind in
    tsan) flags="-fsanitize=thread" ;;
    asan) flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined" ;;
  esac
  dir=$base-$kind
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKAT_BUILD_BENCH=OFF \
        -DCMAKE_CXX_FLAGS="$flags -fno-omit-frame-pointer" >/dev/null
  cmake --build "$dir" --target test_ipc -j "$jobs"
  echo "== test_ipc under $kind"
  TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ASAN_OPTIONS="detect_leaks=1" \
    "$dir/tests/ipc/test_ipc"
done
