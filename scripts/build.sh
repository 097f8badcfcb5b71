#!/usr/bin/env bash
# Configures and builds the whole tree into ./build (or $SKAT_BUILD_DIR),
# with $SKAT_JOBS jobs at once (default: one per core).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SKAT_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${SKAT_BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$build" --parallel "${SKAT_JOBS:-$(nproc)}"
