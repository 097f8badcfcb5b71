#!/usr/bin/env bash
# Pictures of the game window during a game played by keys under Xvfb
# (seed 11), in German and English, at 1024x768 (full screen, as a screen
# of that height starts) and at 1920x1080 (full screen by its icon). The
# user bids to 24, takes the skat, puts two cards away and plays a Grand;
# tricks are cleared by hand, so each finished trick waits for a key.
# Named pictures in <out>/<language>-<size>/:
#   announcement  the announcement panel after the skat, with its suit pictures
#   trick-held    the first trick finished and held, the menu bar above
#   illegal-card  a card that may not be played was tried: the rule is named
#   menu          the "Darstellung" / "View" menu during play, its entries enabled
#   free-game     the question whether the game may become a free game
#   course        the game course: the tricks taken, the take-back and hint buttons
#   end           the end of the game, played on by the hint button
# and every further step as step-NN.png.
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
  echo "saved $out/*/*.png"
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
named() { skat_session_shot "$shots/$1.png"; }
# Without a window manager a closed dialog leaves the focus nowhere.
refocus() { xdotool windowfocus "$SKAT_WIN" 2>/dev/null || true; }
skat_session_start
width=${SKAT_SIZE%x*}
height=${SKAT_SIZE#*x}
if [ "$SKAT_SIZE" != 1024x768 ]; then
  # The full-screen icon in the window's top-right corner.
  eval "$(xdotool getwindowgeometry --shell "$SKAT_WIN")"
  xdotool mousemove "$((X + WIDTH - 10))" "$((Y + 40))" click 1
  sleep 2
  xdotool mousemove 5 "$((height / 2))"
  refocus
fi
# The table's origin: the 1024x768 design centred in the client area, at
# least below the menu bar of full screen (19 pixels); the hint button lies
# at (660, 529) of the design, 60 by 25 pixels.
x0=$(((width - 1024) / 2))
y0=$(((height - 768) / 2))
[ "$y0" -ge 19 ] || y0=19
hint_x=$((x0 + 690))
hint_y=$((y0 + 541))

skat_key ctrl+n
sleep 2
# Bidding: the others pass at 24.
for _ in $(seq 1 7); do skat_key Up Return; sleep 1.5; done
# Take the skat, put the last card away twice and press "Drücken".
for _ in $(seq 1 4); do skat_key Left Return; sleep 1; done
named announcement
# Null, then Grand, announced.
for _ in $(seq 1 2); do skat_key Left Return; sleep 1; done
# The first trick: the two others lead, the user's last card completes
# it, and it waits.
sleep 3
skat_key Left Return
sleep 2
named trick-held
skat_key Return
sleep 2
skat_key Left Return
sleep 2
shot
skat_key Return
sleep 2
# Clubs are led: the last card (a spade) may not be played.
skat_key Left Return
sleep 1
named illegal-card
# "Darstellung" / "View" during play, then "Spielverlauf" / "Game history",
# the question whether the game becomes a free game, and "Weiter" / "Continue".
if [ "$SKAT_IN_XVFB" = en ]; then skat_key alt+v; else skat_key alt+d; fi
sleep 1
named menu
if [ "$SKAT_IN_XVFB" = en ]; then skat_key h; else skat_key s; fi
sleep 1
named free-game
skat_key Tab Return
sleep 1.5
refocus
named course
# The rest of the game: the hint button plays the proposed card, a key
# takes each finished trick.
for _ in $(seq 1 10); do
  skat_alive || break
  xdotool mousemove "$hint_x" "$hint_y" click 1
  sleep 2.5
  shot
  skat_key Return
  sleep 1.5
done
sleep 2
named end
kill -KILL "$SKAT_PID" 2>/dev/null || true
wait "$SKAT_PID" 2>/dev/null || true
