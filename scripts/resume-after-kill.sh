#!/usr/bin/env bash
# A running game survives a hard kill: starts Skat under Xvfb with a home of
# its own, starts a game ("Neues Spiel"), passes in the bidding and plays
# cards by keys until a few tricks lie on the table, waits for the user's
# turn, kills Skat with SIGKILL, starts it again and checks that the running
# game it resumed is the one that stood: the same state, hands, tricks and
# skat. Ends Skat normally at last (exit code 0), answering the question
# before leaving a running game.
#   bash scripts/resume-after-kill.sh [folder for the pictures, default: none]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SKAT_BUILD_DIR:-$root/build}
skat=$build/skat/windows/Skat
shots=${1:-}
[ -x "$skat" ] || bash "$root/scripts/build.sh"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export SKAT=$skat HOME_DIR=$home SHOTS=$shots

xvfb-run -a -s "-screen 0 1280x1024x24" bash <<'INNER'
set -euo pipefail
running=$HOME_DIR/data/SKAT/Spiellisten/LfdSpiel.skt
tricks() { grep -o 'STICHE="[^"]*"' "$running" 2>/dev/null | tr ',' '\n' | grep -c . || true; }
state() { grep -o 'ZUSTANDINDEX="[0-9]*"' "$running" 2>/dev/null | grep -o '[0-9]*' || echo 0; }
window() { xdotool search --sync --onlyvisible --name skat | head -n1; }
# The running game as it stands: state, hands, tricks, trick and skat.
snapshot() {
  python3 - "$running" <<'PY'
import sys, xml.etree.ElementTree as ET
r = ET.parse(sys.argv[1]).getroot().find('Laufend')
core = r.find('SPIELKARTEN_CORE')
hands = [' '.join(v for k, v in sorted(h.attrib.items(), key=lambda a: int(a[0][1:]))) for h in core.findall('EINBLATT')]
pile = core.find('STAPEL').attrib
print('state', r.get('ZUSTANDINDEX'))
for i, h in enumerate(hands): print('hand', i, h)
print('tricks', pile.get('STICHE', ''))
print('trick', core.find('STICH').get('S', '') if core.find('STICH') is not None else '')
print('skat', ' '.join(core.find('SKAT').attrib.values()))
PY
}
picture() { [ -z "$SHOTS" ] || import -window root "$SHOTS/$1.png"; }

"$SKAT" >/dev/null 2>&1 &
pid=$!
win=$(window)
sleep 1
xdotool windowfocus "$win"
xdotool mousemove 643 677 click 1          # "Neues Spiel"
for i in $(seq 1 60); do
  [ "$(state)" = 8 ] && [ "$(tricks)" -ge 3 ] && break
  xdotool key --window "$win" Down Return   # pass while bidding
  sleep 0.3
  xdotool key --window "$win" Right Return  # play a card when asked
  sleep 0.3
done
# The user's turn: the running game stays as it is.
last=""
for i in $(seq 1 20); do
  now=$(md5sum < "$running")
  [ "$now" = "$last" ] && break
  last=$now
  sleep 1
done
[ "$(state)" -ge 1 ] || { echo "no game is running" >&2; exit 1; }
before=$(snapshot)
picture resume-before-kill
kill -9 "$pid"; wait "$pid" 2>/dev/null || true
echo "killed in the middle of a game: $(echo "$before" | head -1), $(tricks) tricks"

"$SKAT" >/dev/null 2>&1 &
pid=$!
window >/dev/null
sleep 3
after=$(snapshot)
picture resume-after-restart
kill -TERM "$pid"
# Leaving a running game asks first ("Ende" ends the program).
sleep 2
if kill -0 "$pid" 2>/dev/null; then
  for w in $(xdotool search --onlyvisible --name 'Abbruch'); do xdotool key --window "$w" alt+e; done
fi
code=0; wait "$pid" || code=$?
if [ "$before" = "$after" ]; then
  echo "resumed: same state, same hands, tricks and skat"
else
  echo "the resumed game differs:"; diff <(echo "$before") <(echo "$after") || true
  exit 1
fi
[ "$code" = 0 ] || { echo "Skat ended with $code" >&2; exit 1; }
echo "Skat ended normally"
INNER
