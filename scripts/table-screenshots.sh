#!/usr/bin/env bash
# Pictures of the game table with the German and the French card set: the
# hands after the deal, the bidding panel and a trick in the middle
# (docs/screenshots/<position>-<set>.png, 1024x768), and the deck with its
# cut lines (cut-lines.png: the deck shows only backs, the same in every set).
# Runs the table_screenshot tool of the build on the offscreen platform.
# "illegal" (the hand when a card that may not be played was tried) is taken
# with the French set only.
#   scripts/table-screenshots.sh [position...]   (default: all five)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SKAT_BUILD_DIR:-$root/build}
tool=$build/tools/table_screenshot/table_screenshot
[ -x "$tool" ] || cmake --build "$build" --target table_screenshot skat_resources
positions=${*:-fan cut bidding trick illegal}
declare -A files=([fan]=fan-after-deal [cut]=cut-lines [bidding]=bidding-panel [trick]=trick-in-the-middle
                  [illegal]=illegal-card-dimmed)
for position in $positions; do
  sets=("Deutsches Blatt:deutsch" "Französisches Blatt:franzoesisch")
  [ "$position" = cut ] && sets=("Deutsches Blatt:")
  [ "$position" = illegal ] && sets=("Französisches Blatt:franzoesisch")
  for set in "${sets[@]}"; do
    suffix=${set#*:}
    out=$root/docs/screenshots/${files[$position]}${suffix:+-$suffix}.png
    QT_QPA_PLATFORM=offscreen "$tool" "$position" "$out" --set "${set%%:*}" --size 1024x768 \
      --program-dir "$build/skat/windows"
    echo "$out"
  done
done
