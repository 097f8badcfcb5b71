#!/usr/bin/env bash
# Pictures of the game window after a played game, in German and English:
# the hand-game panel with its suit pictures (German cards in German, French
# cards in English), a lost hand game settled, the history of a game whose
# skat the declarer took, the score-sheet window on a 1024x768 screen and the
# question before quitting in the middle of a game; the panel and the
# settlement also at 1920x1080 (docs/screenshots/window-<what>-<language>[-<size>].png).
# Runs the table_screenshot tool of the build on the offscreen platform.
#   scripts/game-window-screenshots.sh [output folder, default docs/screenshots]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=${SKAT_BUILD_DIR:-$root/build}
tool=$build/tools/table_screenshot/table_screenshot
[ -x "$tool" ] || cmake --build "$build" --target table_screenshot skat_resources
mkdir -p "$out"
shot() { # position language size [card set]
  local position=$1 language=$2 size=$3 set=${4:-}
  local file=$out/window-$position-$language${5:-}.png
  QT_QPA_PLATFORM=offscreen "$tool" "$position" "$file" --size "$size" --program-dir "$build/skat/windows" \
    ${set:+--set "$set"} $([ "$language" = en ] && echo --english) 2>/dev/null
  echo "$file"
}
for language in de en; do
  set="Deutsches Blatt"; [ "$language" = en ] && set="Französisches Blatt"
  shot announcehand "$language" 1024x768 "$set"
  shot settlement "$language" 1024x768 "$set"
  shot history "$language" 1024x768 "$set"
  shot sheet "$language" 1024x768 "$set"
  shot quit "$language" 1024x768 "$set"
  shot announcehand "$language" 1920x1080 "$set" -1920x1080
  shot settlement "$language" 1920x1080 "$set" -1920x1080
done
