#!/usr/bin/env bash
# Pictures of the game window during a game played by keys under Xvfb
# (seed 11), in German and English, at 1024x768 (full screen, as a screen
# of that height starts) and at 1920x1080 (full screen by its icon): the
# table with its menu while the user plays, each finished trick as it waits
# for a key (tricks are cleared by hand here), the game course once it is
# switched on, and the settlement with the card points of both sides.
# Every step is saved as <out>/<language>-<size>/step-NN.png; pick from them.
#   scripts/table-window-screenshots.sh [output folder, default /tmp/table-window-shots]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/table-window-shots}
if [ -z "${SKAT_IN_XVFB:-}" ]; then
  [ -x "${SKAT_BUILD_DIR:-$root/build}/skat/windows/Skat" ] || bash "$root/scripts/build.sh"
  mkdir -p "$out"
  out=$(cd "$out" && pwd)
  for language in de en; do
    for size in 1024x768 1920x1080; do
      SKAT_LANGUAGE=$([ "$language" = en ] && echo English || true) SKAT_IN_XVFB=$language SKAT_SIZE=$size \
        xvfb-run -a -s "-screen 0 ${size}x24" bash "$0" "$out" || echo "the $language $size run ended early" >&2
    done
  done
  echo "saved $out/*/step-*.png"
  exit 0
fi
source "$root/scripts/skat-session.sh"
SKAT_SEED=11
[ -n "$SKAT_LANGUAGE" ] || unset SKAT_LANGUAGE
skat_session_prepare
trap 'rm -rf "$SESSION_DIR"' EXIT
# Comments on, tricks cleared by hand (a key takes each finished trick).
printf 'Quorvenel\\SKAT\\Preferences\\6=A@@A\n' >> "$HOME/.config/Quorvenel/SKAT.ini"
shots=$out/$SKAT_IN_XVFB-$SKAT_SIZE
mkdir -p "$shots"
step=0
shot() {
  step=$((step + 1))
  skat_session_shot "$(printf '%s/step-%02d.png' "$shots" "$step")"
}
skat_session_start
if [ "$SKAT_SIZE" != 1024x768 ]; then
  # The full-screen icon in the window's top-right corner.
  eval "$(xdotool getwindowgeometry --shell "$SKAT_WIN")"
  xdotool mousemove "$((X + WIDTH - 10))" "$((Y + 40))" click 1
  sleep 2
  xdotool mousemove 5 "$(( ${SKAT_SIZE#*x} / 2 ))"
fi
skat_key ctrl+n
sleep 2
for _ in $(seq 1 7); do skat_key Up Return; sleep 0.5; done
sleep 1
for _ in $(seq 1 8); do skat_key Left Return; sleep 0.7; done
shot
# A few tricks, a picture after every key.
for _ in $(seq 1 6); do
  skat_key Left Return
  sleep 1
  shot
done
# The game course: "Darstellung" / "View", "Spielverlauf" / "Game history",
# and the question whether the game may become a free game.
if [ "$SKAT_IN_XVFB" = en ]; then skat_key alt+v h; else skat_key alt+d s; fi
sleep 1
shot
skat_key Return
sleep 1
shot
for _ in $(seq 1 30); do
  skat_alive || break
  skat_key Left Return
  sleep 1
  shot
done
kill -KILL "$SKAT_PID" 2>/dev/null || true
wait "$SKAT_PID" 2>/dev/null || true
