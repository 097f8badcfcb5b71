#!/usr/bin/env bash
# The exercise games and the card-deal editor as a user meets them, under
# Xvfb at 1024x768, in German and English: the exercise list opened from the
# menu (exercises-list-<de|en>.png), its second exercise replayed at the
# table with the commentary (exercises-play-<de|en>.png), the editor opened
# from the menu with the demo deal (deal-editor-<de|en>.png) and with the
# deal its Grand search found (deal-editor-grand-<de|en>.png). Fails when a
# window does not open. Pictures go to docs/screenshots/ or the given folder.
#   scripts/deal-editor-screenshots.sh [output folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=${SKAT_BUILD_DIR:-$root/build}
[ -x "$build/skat/windows/Skat" ] || cmake --build "$build" --target Skat
mkdir -p "$out"

run() {
  local language=$1
  SKAT_LANGUAGE=$([ "$language" = en ] && echo English || echo "") \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    source "$1/scripts/skat-session.sh"
    out=$2 language=$3
    skat_session_prepare
    skat_session_start
    trap "skat_session_quit" EXIT
    find() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n1; }
    # In a window: a point given relative to its client area.
    click() { eval "$(xdotool getwindowgeometry --shell "$1")"; xdotool mousemove $((X + $2)) $((Y + $3)) click 1; sleep 0.7; }
    shot() { sleep 1; skat_session_shot "$out/$1-$language.png"; }
    # The toolbar button "Grand" lies further left under the shorter English texts.
    if [ "$language" = en ]; then
      menu=alt+g exercises=e editor=d list=Exercise editorTitle="Card deal editor" grandX=336
    else
      menu=alt+s exercises=udiaeresis editor=k list="Übungspartien" editorTitle=Karteneditor grandX=450
    fi

    skat_key "$menu" "$exercises"
    dialog=$(find "$list")
    [ -n "$dialog" ] || { echo "no exercise list" >&2; exit 1; }
    shot exercises-list
    # "Nachspielen" below the list.
    click "$dialog" 367 378
    sleep 6
    shot exercises-play

    xdotool windowfocus "$SKAT_WIN" 2>/dev/null || true
    skat_key "$menu" "$editor"
    window=$(find "$editorTitle")
    [ -n "$window" ] || { echo "no card deal editor" >&2; exit 1; }
    shot deal-editor
    # The toolbar button "Grand".
    click "$window" "$grandX" 22
    sleep 4
    shot deal-editor-grand
    xdotool windowfocus "$SKAT_WIN" 2>/dev/null || true
  ' bash "$root" "$out" "$language"
}

run de
run en
echo "screenshots in $out"
