#!/usr/bin/env bash
# Builds the generated resources and saves preview pictures of them to
# docs/screenshots/: a dealt table in each of the three scenic table themes
# (table-*.png) and a hand of each card set (hand-*.png).
#   scripts/resource-screenshots.sh [output folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=${SKAT_BUILD_DIR:-$root/build}
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target skat_resources resource_preview
"$build/tools/resource_preview/resource_preview" "$build/skat/windows/Ressourcen" "$out"
ls "$out"/table-*.png "$out"/hand-*.png
