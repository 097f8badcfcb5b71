# Sourced by play-keys.sh and monkey.sh: a Skat run under a virtual X
# display with an empty home folder, a fixed seed and the game window
# focused, so that keys and clicks from xdotool reach it.
#
#   skat_session_prepare          empty home, preferences (window, no sound)
#   skat_home DIR [NAME]          such a home in DIR (the user called NAME)
#   skat_session_start [args]     starts Skat (inside Xvfb), sets SKAT_PID and SKAT_WIN
#   skat_key KEY...               key presses through XTEST (a pause after each)
#   skat_sheet_rows               games in the current score sheet (0 when none yet)
#   skat_sheet_file               the current score sheet's path
#   skat_session_quit             quits through the menu, waits for the end
#   skat_session_shot FILE        saves the screen as a PNG (ImageMagick)

SESSION_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SKAT_BIN=${SKAT_BIN:-${SKAT_BUILD_DIR:-$SESSION_ROOT/build}/skat/windows/Skat}
SKAT_SEED=${SKAT_SEED:-11}
SKAT_KEY_PAUSE=${SKAT_KEY_PAUSE:-0.25}

skat_session_prepare() {
  SESSION_DIR=$(mktemp -d)
  export HOME=$SESSION_DIR/home
  unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_DOCUMENTS_DIR
  skat_home "$HOME"
}

# An empty home folder with the preferences of a scripted run (and, as a
# second argument, the user's name).
skat_home() {
  mkdir -p "$1/.config/Quorvenel" "$1/Documents"
  # Preferences are one character each, "@" plus the value: 17 full
  # screen off (the sliding menu would cover the top row), 7 sound off,
  # 8 the play delay in steps of 500 ms, and the language when asked for.
  {
    printf '[Software]\n'
    printf 'Quorvenel\\SKAT\\Preferences\\17=@\n'
    printf 'Quorvenel\\SKAT\\Preferences\\7=@\n'
    printf 'Quorvenel\\SKAT\\Preferences\\8=%s\n' "${SKAT_SPEED_CHAR:-@}"
    if [ -n "${SKAT_LANGUAGE:-}" ]; then printf 'Quorvenel\\SKAT\\Preferences\\Sprache=%s\n' "$SKAT_LANGUAGE"; fi
    if [ -n "${2:-}" ]; then printf 'Quorvenel\\SKAT\\Preferences\\1=%s\n' "$2"; fi
  } > "$1/.config/Quorvenel/SKAT.ini"
}

skat_session_start() {
  SKAT_FIXED_SEED=$SKAT_SEED "$SKAT_BIN" "$@" > "$SESSION_DIR/skat.out" 2>&1 &
  SKAT_PID=$!
  SKAT_WIN=$(timeout 30 xdotool search --sync --onlyvisible --name '^Skat' | head -n1)
  [ -n "$SKAT_WIN" ] || { echo "no game window" >&2; return 1; }
  sleep 2
  # Without a window manager nobody gives the window the focus.
  xdotool windowfocus --sync "$SKAT_WIN" 2>/dev/null || xdotool windowfocus "$SKAT_WIN"
}

skat_alive() { kill -0 "$SKAT_PID" 2>/dev/null; }

skat_key() {
  for key in "$@"; do
    xdotool key "$key"
    sleep "$SKAT_KEY_PAUSE"
  done
}

skat_sheet_file() { find "$HOME" -name Aktuell.skt 2>/dev/null | head -n1; }

skat_sheet_rows() {
  local sheet
  sheet=$(skat_sheet_file)
  if [ -z "$sheet" ]; then echo 0; return; fi
  { grep -o '<Spiel[ >/]' "$sheet" || true; } | wc -l
}

skat_session_quit() {
  xdotool windowfocus "$SKAT_WIN" 2>/dev/null || true
  # "Spiel" menu, "Beenden"; the question for a running game is answered "Ende".
  skat_key alt+s e
  sleep 1
  skat_alive && skat_key alt+e
  for _ in $(seq 1 30); do skat_alive || break; sleep 0.5; done
  if skat_alive; then
    echo "Skat did not end; stopping it" >&2
    kill -TERM "$SKAT_PID" 2>/dev/null || true
    # TERM closes the window like the user, and a running game then asks
    # its quit question: nobody answers it here.
    for _ in $(seq 1 10); do skat_alive || break; sleep 0.5; done
    skat_alive && kill -KILL "$SKAT_PID" 2>/dev/null
  fi
  wait "$SKAT_PID" 2>/dev/null || true
}

skat_session_shot() {
  mkdir -p "$(dirname "$1")"
  import -window root "$1"
}
