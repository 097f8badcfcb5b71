#!/usr/bin/env bash
# Saves pictures of the crash reporter's dialogs to docs/screenshots/:
# crash-report.png (Skat is started under Xvfb and crashed with SIGSEGV; the
# restarted program's report dialog is photographed) and
# crash-report-details.png (the detail dialog filled from a crash of a test
# child process).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SKAT_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots}
mkdir -p "$out"
cmake --build "$build" --target Skat test_crash >/dev/null

# A private home, so that the run touches none of the user's files.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
HOME=$home XDG_RUNTIME_DIR=$home/runtime XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" & pid=$!
  sleep 3
  kill -SEGV "$pid"
  wait "$pid" || true
  sleep 3
  import -window root "$2/screen.png"
' _ "$build/skat/windows/Skat" "$home"
# The report dialog stands alone on the black screen.
convert "$home/screen.png" -trim +repage "$out/crash-report.png"

SKAT_SCREENSHOT_DIR=$out QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/tests/crash/test_crash" --gtest_filter='ReportScreenshots.*' >/dev/null
