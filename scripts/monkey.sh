#!/usr/bin/env bash
# A seeded monkey at the table: under Xvfb, with an empty home folder, it
# starts a new list and sends random keys and clicks to the game window for
# a while, then quits and checks that Skat did not crash and that every row
# of the score sheet is a complete game.
#   scripts/monkey.sh [seconds, default 300] [seed, default 1]
# SKAT_BUILD_DIR picks the build (e.g. an ASan build); ASAN_OPTIONS and
# LSAN_OPTIONS pass through.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${SKAT_IN_XVFB:-}" ]; then
  [ -x "${SKAT_BUILD_DIR:-$root/build}/skat/windows/Skat" ] || bash "$root/scripts/build.sh"
  exec xvfb-run -a -s "-screen 0 1024x768x24" env SKAT_IN_XVFB=1 bash "$0" "$@"
fi
source "$root/scripts/skat-session.sh"
# Leaks of system libraries (D-Bus, SDL audio) are not the program's.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp}
seconds=${1:-300}
RANDOM=${2:-1}
SKAT_KEY_PAUSE=0.05

skat_session_prepare
trap 'rm -rf "$SESSION_DIR"' EXIT
skat_session_start
skat_key ctrl+n
sleep 1

keys=(Left Right Up Down Return Return Return Left Right Up Escape space)
actions=0
start=$SECONDS
while [ $((SECONDS - start)) -lt "$seconds" ]; do
  if ! skat_alive; then
    echo "Skat ended during the monkey run after $actions actions:" >&2
    tail -n 40 "$SESSION_DIR/skat.out" >&2
    exit 1
  fi
  xdotool windowfocus "$SKAT_WIN" 2>/dev/null || true
  if [ $((RANDOM % 3)) -eq 0 ]; then
    # A click anywhere on the table below the menu bar.
    xdotool mousemove --window "$SKAT_WIN" $((RANDOM % 1024)) $((30 + RANDOM % 730)) click 1
  else
    xdotool key "${keys[RANDOM % ${#keys[@]}]}"
  fi
  actions=$((actions + 1))
  # Now and then a pause lets the computer players catch up.
  if [ $((RANDOM % 10)) -eq 0 ]; then sleep 0.5; else sleep 0.05; fi
  # A dialog of its own (settings, help, score sheet) goes with Escape.
  xdotool key Escape 2>/dev/null || true
done
rows=$(skat_sheet_rows)
skat_session_quit
status=0
wait "$SKAT_PID" 2>/dev/null || status=$?
if grep -q "ERROR: AddressSanitizer\|runtime error:\|ERROR: LeakSanitizer" "$SESSION_DIR/skat.out"; then
  echo "the sanitizer reported:" >&2
  grep -A30 "ERROR: \|runtime error:" "$SESSION_DIR/skat.out" | head -n 80 >&2
  status=1
fi
sheet=$(skat_sheet_file)
echo "monkey: $actions actions in $seconds s, $rows games in the sheet"
if [ -n "$sheet" ]; then
  python3 "$root/scripts/check-sheet.py" "$sheet" || status=1
fi
exit $status
