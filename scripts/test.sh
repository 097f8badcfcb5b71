#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-debian.sh"
bash "$root/scripts/check-format.sh"
bash "$root/scripts/build.sh"
build=${SKAT_BUILD_DIR:-$root/build}
export QT_QPA_PLATFORM=offscreen
python3 "$root/scripts/include-graph.py" --all --quiet
bash "$root/scripts/check-signature.sh"
bash "$root/scripts/check-arena.sh"
ctest --test-dir "$build" --output-on-failure -j "${SKAT_JOBS:-$(nproc)}" "$@"
