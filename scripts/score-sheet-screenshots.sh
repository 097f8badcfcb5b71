#!/usr/bin/env bash
# Pictures of the score-sheet window (a 36-game list in classic, Seeger-Fabian
# and Bierlachs scoring) and of a game's history, in German and English, taken
# by the ui tests under a virtual X display into docs/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SKAT_BUILD_DIR:-$root/build}
cmake --build "$build" --target test_ui skat_resources
out=$root/docs/screenshots
run() {
  env -u QT_QPA_PLATFORM SKAT_SCREENSHOT_DIR="$out" "$@" \
    xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tests/ui/test_ui" --gtest_filter='ScoreSheetWindow.Screenshots*'
}
run
run SKAT_SCREENSHOT_ENGLISH=1
