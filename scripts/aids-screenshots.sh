#!/usr/bin/env bash
# The aids and information as a user reaches them, under Xvfb at 1024x768,
# in German and English: Ctrl+I opens the about box, F1 the help window,
# the menu the statistics (high scores and players of a played past that
# gen_sample_files writes with the program's own code), Ctrl+F the free-game
# dialog; in a game of the list the bulb opens the hints panel, an aid
# switched on there asks whether the game may change its state, and ">>"
# opens the shortening panel. A window that does not open or close fails
# the script (the screen then in failed-<de|en>.png). Saves about-, help-,
# statistics-, high-scores-, free-game-, hints-, game-state- and
# shorten-<de|en>.png in docs/screenshots/ or the given folder.
#   scripts/aids-screenshots.sh [output folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=${SKAT_BUILD_DIR:-$root/build}
skat=$build/skat/windows/Skat
cmake --build "$build" --target Skat gen_sample_files >/dev/null
mkdir -p "$out"

past=$(mktemp -d)
trap 'rm -rf "$past"' EXIT
"$build/tools/sample_files/gen_sample_files" --tables "$root/skat/logic/data" --seed 5 --history "$past"

# Closes a window as its frame's close button does: WM_DELETE_WINDOW
# (libX11 through ctypes; the standard library only).
cat > "$past/close.py" <<'EOF'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = x.XCloseDisplay.argtypes = [ctypes.c_void_p]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]
class Event(ctypes.Union):
    _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]
display = x.XOpenDisplay(None)
event = Event()
m = event.message
m.type, m.display, m.window, m.format = 33, display, int(sys.argv[1]), 32  # ClientMessage
m.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
m.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(display, m.window, 0, 0, ctypes.byref(event))
x.XFlush(display)
x.XCloseDisplay(display)
EOF

# shellcheck source=fresh-home.sh
source "$root/scripts/fresh-home.sh"

run() {
  local language=$1
  local tmp
  tmp=$(fresh_home "$language")
  mkdir -p "$tmp/data/SKAT/Spiellogik"
  cp "$past/bestenliste" "$tmp/data/SKAT/bestenliste"
  cp "$past/Historie.skt" "$tmp/data/SKAT/Spiellogik/Historie.skt"
  local about="Über Skat" help="SKAT Hilfe" statistics="Statistik" free="Übungstisch - Freies Spiel starten"
  local menu=alt+s
  if [ "$language" = en ]; then
    about="About Skat" help="SKAT help" statistics="Statistics" free="Practice table - start a free game"
    menu=alt+g
  fi
  HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data \
    xvfb-run -a -s "-screen 0 1024x768x24 -fbdir $tmp" bash -c '
    skat=$1 fb=$2 about=$3 help=$4 statistics=$5 free=$6 menu=$7 closer=$8
    SKAT_FIXED_SEED=11 "$skat" &
    pid=$!
    trap "kill -KILL $pid 2>/dev/null || true" EXIT
    sleep 4
    win=$(xdotool search --sync --onlyvisible --name "^Skat" | head -n1)
    xdotool windowfocus "$win" 2>/dev/null || true
    shot() { sleep "${3:-1}"; cp "$fb/Xvfb_screen0" "$fb/$1.xwd"; echo "$2" > "$fb/$1.area"; }
    screen="0,0,1024,768"
    area() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X,$Y,$WIDTH,$HEIGHT"; }
    # Waits for the window of that title (in w), fails the script without
    # it (the screen then in failed.png).
    opened() {
      w=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1) || true
      [ -n "$w" ] && return
      echo "$2 opened no window \"$1\"" >&2
      cp "$fb/Xvfb_screen0" "$fb/failed.xwd"
      exit 1
    }
    gone() { for _ in $(seq 1 20); do xdotool search --onlyvisible --name "^$1\$" >/dev/null || return 0; sleep 0.25; done; return 1; }
    # There is no window manager to close a window by its frame: its
    # message is sent as the frame would send it (a window left open fails
    # the script).
    close() {
      python3 "$closer" "$1"
      gone "$2" || { echo "\"$2\" did not close" >&2; cp "$fb/Xvfb_screen0" "$fb/failed.xwd"; exit 1; }
      sleep 0.5
    }
    # Keys to the game window; a closed dialog leaves it without the
    # keyboard, so it is given it first.
    keys() { xdotool windowfocus "$win" 2>/dev/null || true; xdotool key "$@"; }
    park() { xdotool mousemove 1023 767; }
    park

    keys ctrl+i; opened "$about" Ctrl+I; shot about "$(area "$w")"; close "$w" "$about"
    keys F1; opened "$help" F1; shot help "$(area "$w")" 2; close "$w" "$help"
    keys "$menu" t; opened "$statistics" "the menu"; shot statistics "$(area "$w")"
    # The second page: the best series of 36 games.
    eval "$(xdotool getwindowgeometry --shell "$w")"; xdotool mousemove $((X + 315)) $((Y + 21)) click 1; park
    shot high-scores "$(area "$w")"; close "$w" "$statistics"
    keys ctrl+f; opened "$free" Ctrl+F; shot free-game "$(area "$w")"; close "$w" "$free"
    # The pictures are taken and the home is thrown away.
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  ' _ "$skat" "$tmp" "$about" "$help" "$statistics" "$free" "$menu" "$past/close.py" || failed=1
  if [ -f "$tmp/failed.xwd" ]; then python3 "$root/scripts/xwd-to-png.py" "$tmp/failed.xwd" "$out/failed-$language.png"; fi
  for shot in about help statistics high-scores free-game; do
    [ -f "$tmp/$shot.xwd" ] || continue
    python3 "$root/scripts/xwd-to-png.py" "$tmp/$shot.xwd" "$out/$shot-$language.png" "$(cat "$tmp/$shot.area")"
  done
  rm -rf "$tmp"
  [ -z "${failed:-}" ]
}

# In a game of the list, on a fresh start of its own: the bulb opens the
# hints panel, "Punktekonten" there asks whether the game may change its
# state, and ">>" opens the shortening panel.
game() {
  local language=$1
  local tmp
  tmp=$(fresh_home "$language")
  local state="Spielstatus ändern"
  [ "$language" = en ] && state="Change the game state"
  HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data \
    xvfb-run -a -s "-screen 0 1024x768x24 -fbdir $tmp" bash -c '
    skat=$1 fb=$2 state=$3
    SKAT_FIXED_SEED=11 "$skat" &
    pid=$!
    trap "kill -KILL $pid 2>/dev/null || true" EXIT
    sleep 4
    win=$(xdotool search --sync --onlyvisible --name "^Skat" | head -n1)
    xdotool windowfocus "$win" 2>/dev/null || true
    shot() { sleep "${3:-1}"; cp "$fb/Xvfb_screen0" "$fb/$1.xwd"; echo "$2" > "$fb/$1.area"; }
    screen="0,0,1024,768"
    failed() { echo "$1" >&2; cp "$fb/Xvfb_screen0" "$fb/failed.xwd"; exit 1; }
    # A pointer resting on a spot, then its click (the table reacts to
    # the pointer arriving first).
    press() { xdotool mousemove "$1" "$2"; sleep 1.5; xdotool click 1; sleep 1; }
    park() { xdotool mousemove 1023 767; }
    # The start button "Neues Spiel" below the middle of the table; the
    # user passes and plays the first allowed card of two tricks.
    xdotool mousemove 512 $((384 + 166)) click 1
    sleep 3
    for i in $(seq 1 6); do xdotool key Down Return; sleep 0.5; done
    for i in $(seq 1 2); do xdotool key Right Return; sleep 1.5; xdotool key space; sleep 0.5; done
    # The bulb at the top right (below the edge of the sliding menu); the
    # panel stays while the pointer is over it.
    press 888 28
    xdotool mousemove 960 250
    shot hints "$screen" 1
    press 784 144
    w=$(timeout 10 xdotool search --sync --onlyvisible --name "^$state\$" | head -n1) || true
    [ -n "$w" ] || failed "Punktekonten asked nothing"
    eval "$(xdotool getwindowgeometry --shell "$w")"
    shot game-state "$X,$Y,$WIDTH,$HEIGHT"
    press $((X + 90)) $((Y + 172))
    # The hints panel goes when the pointer leaves it; ">>" at the bottom
    # left opens the shortening panel, shown while the pointer is over it.
    xdotool mousemove 960 250; sleep 0.5; xdotool mousemove 500 400; sleep 1
    press 12 738
    xdotool mousemove 300 700
    shot shorten "$screen" 1
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  ' _ "$skat" "$tmp" "$state" || failed=1
  if [ -f "$tmp/failed.xwd" ]; then python3 "$root/scripts/xwd-to-png.py" "$tmp/failed.xwd" "$out/failed-$language.png"; fi
  for shot in hints game-state shorten; do
    [ -f "$tmp/$shot.xwd" ] || continue
    python3 "$root/scripts/xwd-to-png.py" "$tmp/$shot.xwd" "$out/$shot-$language.png" "$(cat "$tmp/$shot.area")"
  done
  rm -rf "$tmp"
  [ -z "${failed:-}" ]
}

for language in ${SKAT_SCREENSHOT_LANGUAGES:-de en}; do
  run "$language"
  game "$language"
done
echo "saved $out/{about,help,statistics,high-scores,free-game,hints,game-state,shorten}-*.png"
