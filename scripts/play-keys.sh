#!/usr/bin/env bash
# Plays Skat against the two computer players with key presses only: under
# Xvfb, with an empty home folder and a fixed seed, it starts a new list,
# plays until the score sheet holds two games (confirming each settlement),
# quits through the menu and checks that "Aktuell.skt" holds both games.
#   scripts/play-keys.sh [games, default 2]
# SKAT_START_SHEET starts from a copy of that sheet (with SKAT_START_KEY,
# e.g. ctrl+w to continue it); SKAT_PLAY_SHOTS saves a picture of the
# screen after every round of keys and after every game.
# SKAT_SEED sets the seed (default 11); SKAT_PLAY_SECONDS the time limit
# (default 600); SKAT_KEEP_SHEET copies the sheet there at the end. The keys: Up/Down and Enter bid or pass (the first two
# offers of a game are held, then it passes), Left and Enter take the skat,
# put cards away, choose and announce a game, play cards and continue
# after the settlement.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${SKAT_IN_XVFB:-}" ]; then
  [ -x "${SKAT_BUILD_DIR:-$root/build}/skat/windows/Skat" ] || bash "$root/scripts/build.sh"
  exec xvfb-run -a -s "-screen 0 1024x768x24" env SKAT_IN_XVFB=1 bash "$0" "$@"
fi
source "$root/scripts/skat-session.sh"
games=${1:-2}
limit=${SKAT_PLAY_SECONDS:-600}

skat_session_prepare
trap 'rm -rf "$SESSION_DIR"' EXIT
if [ -n "${SKAT_START_SHEET:-}" ]; then
  # A sheet to go on with (ctrl+w continues the list).
  mkdir -p "$HOME/.local/share/SKAT/Spiellisten"
  cp "$SKAT_START_SHEET" "$HOME/.local/share/SKAT/Spiellisten/Aktuell.skt"
fi
skat_session_start
skat_key "${SKAT_START_KEY:-ctrl+n}"
sleep 2

start=$SECONDS
rows=0
held=0
while [ "$rows" -lt "$games" ]; do
  if ! skat_alive; then
    echo "Skat ended early:" >&2
    cat "$SESSION_DIR/skat.out" >&2
    exit 1
  fi
  if [ $((SECONDS - start)) -gt "$limit" ]; then
    echo "no $games games within $limit s (sheet: $rows)" >&2
    exit 1
  fi
  if [ "$held" -lt "${SKAT_HOLD:-2}" ]; then skat_key Up Return; else skat_key Down Return; fi
  held=$((held + 1))
  if [ -n "${SKAT_PLAY_SHOTS:-}" ]; then skat_session_shot "$SKAT_PLAY_SHOTS/bid-$((SECONDS - start)).png"; fi
  skat_key Left Return
  if [ -n "${SKAT_PLAY_SHOTS:-}" ]; then skat_session_shot "$SKAT_PLAY_SHOTS/step-$((SECONDS - start)).png"; fi
  now=$(skat_sheet_rows)
  if [ "$now" != "$rows" ]; then
    echo "game $now entered after $((SECONDS - start)) s"
    if [ -n "${SKAT_PLAY_SHOTS:-}" ]; then sleep 2; skat_session_shot "$SKAT_PLAY_SHOTS/game-$now.png"; fi
    rows=$now
    held=0
  fi
done
# The last settlement is confirmed too, then the program is quit.
sleep 1
skat_key Return
sleep 2
if [ -n "${SKAT_PLAY_SHOTS:-}" ]; then skat_session_shot "$SKAT_PLAY_SHOTS/last.png"; fi
# At the end of a list its dialog closes with Enter.
[ "$rows" -ge 36 ] && skat_key Return
sleep 1
skat_session_quit

sheet=$(skat_sheet_file)
found=$(skat_sheet_rows)
if [ -n "${SKAT_KEEP_SHEET:-}" ] && [ -n "$sheet" ]; then cp "$sheet" "$SKAT_KEEP_SHEET"; fi
echo "$(basename "$sheet"): $found complete games"
[ "$found" -ge "$games" ]
