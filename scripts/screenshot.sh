#!/usr/bin/env bash
# Starts Skat under a virtual X display, waits until its main window stands
# and saves a picture of the whole screen as a PNG (by default
# docs/screenshots/main-window.png). Needs only Xvfb and python3: the
# picture is read from Xvfb's own frame buffer file, so no screen-grab tool
# is required. Arguments after the output file go to Skat.
#   scripts/screenshot.sh [output.png] [Skat arguments...]
#   scripts/screenshot.sh --tables   the table in each theme at 1024x768 and
#                                    1280x1024 (docs/screenshots/table-*.png)
# SKAT_SCREENSHOT_THEME (1 mountains, 2 island, 3 pub, 4 plain) starts Skat
# with that table theme and otherwise fresh preferences, in a settings
# folder of its own; without it the user's own preferences are used.
# SKAT_SCREENSHOT_CLICK="x y" clicks that point of the game window after the
# wait and waits SKAT_SCREENSHOT_AFTER seconds more (default 4); then the
# keys of SKAT_SCREENSHOT_KEYS (xdotool names, "sleep" for a second) follow.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = "--tables" ]; then
  for size in 1024x768 1280x1024; do
    for theme in 1:berge 2:insel 3:kneipe; do
      SKAT_SCREENSHOT_SIZE=$size SKAT_SCREENSHOT_THEME=${theme%%:*} \
        bash "$0" "$root/docs/screenshots/table-${theme#*:}-$size.png"
    done
  done
  exit 0
fi
out=${1:-$root/docs/screenshots/main-window.png}
shift || true
build=${SKAT_BUILD_DIR:-$root/build}
skat=$build/skat/windows/Skat
wait_s=${SKAT_SCREENSHOT_WAIT:-4}
size=${SKAT_SCREENSHOT_SIZE:-1280x1024}
[ -x "$skat" ] || bash "$root/scripts/build.sh"

fb=$(mktemp -d)
trap 'rm -rf "$fb"' EXIT
if [ -n "${SKAT_SCREENSHOT_THEME:-}" ]; then
  # The preference store: theme id 18, stored as the character 64 + theme.
  mkdir -p "$fb/config/Quorvenel"
  printf '[Software]\nQuorvenel\\SKAT\\Preferences\\18=%b\n' "\\x$(printf %x $((64 + SKAT_SCREENSHOT_THEME)))" \
    > "$fb/config/Quorvenel/SKAT.ini"
  # SKAT_SCREENSHOT_CARD_SET names the card set (preference 15).
  if [ -n "${SKAT_SCREENSHOT_CARD_SET:-}" ]; then
    printf 'Quorvenel\\SKAT\\Preferences\\15=%s\n' "$SKAT_SCREENSHOT_CARD_SET" >> "$fb/config/Quorvenel/SKAT.ini"
  fi
  export XDG_CONFIG_HOME=$fb/config
fi
# Xvfb keeps screen 0 as an XWD image in $fb/Xvfb_screen0 while it runs.
xvfb-run -a -s "-screen 0 ${size}x24 -fbdir $fb" bash -c '
  "$1" "${@:4}" &
  pid=$!
  sleep "$2"
  if [ -n "${SKAT_SCREENSHOT_CLICK:-}" ]; then
    # A click at "x y" of the game window (e.g. on "Neues Spiel"), then a
    # pause for what it starts.
    win=$(xdotool search --sync --onlyvisible --name "Skat" | head -n1)
    xdotool mousemove --window "$win" $SKAT_SCREENSHOT_CLICK click 1
    sleep "${SKAT_SCREENSHOT_AFTER:-4}"
    # Then each key of SKAT_SCREENSHOT_KEYS ("sleep" waits a second).
    for key in ${SKAT_SCREENSHOT_KEYS:-}; do
      if [ "$key" = sleep ]; then sleep 1; else xdotool key --window "$win" "$key"; sleep 0.4; fi
    done
  fi
  cp "$3/Xvfb_screen0" "$3/shot.xwd"
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" || true
' _ "$skat" "$wait_s" "$fb" "$@"

mkdir -p "$(dirname "$out")"
python3 "$root/scripts/xwd-to-png.py" "$fb/shot.xwd" "$out"
echo "saved $out"
