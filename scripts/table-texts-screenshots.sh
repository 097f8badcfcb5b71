#!/usr/bin/env bash
# Pictures of one game against the computer players under Xvfb, with the
# texts on the table: during the bidding, during card play and after the
# settlement, in German and English, at 1024x768 and 1280x1024
# (docs/screenshots/table-texts-<stage>-<language>-<size>.png).
# The game is played by keys: the user passes and then plays the first card
# the hand allows in every trick.
#   scripts/table-texts-screenshots.sh [output folder, default docs/screenshots]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=${SKAT_BUILD_DIR:-$root/build}
skat=$build/skat/windows/Skat
[ -x "$skat" ] || cmake --build "$build" --target Skat
mkdir -p "$out"

to_png() { python3 "$root/scripts/xwd-to-png.py" "$1" "$2"; }

run() {
  local language=$1 size=$2
  local tmp
  tmp=$(mktemp -d)
  mkdir -p "$tmp/config/Quorvenel" "$tmp/home"
  {
    printf '[Software]\n'
    [ "$language" = en ] && printf 'Quorvenel\\SKAT\\Preferences\\Sprache=English\n'
    # Play delay 0 (id 8) keeps the game moving between the keys.
    printf 'Quorvenel\\SKAT\\Preferences\\8=%b\n' "\\x40"
  } > "$tmp/config/Quorvenel/SKAT.ini"
  HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config SKAT_SHOT_PREFIX="$out/table-texts" \
    SKAT_SHOT_SUFFIX="$language-$size" \
    xvfb-run -a -s "-screen 0 ${size}x24 -fbdir $tmp" bash -c '
    skat=$1 fb=$2
    "$skat" &
    pid=$!
    sleep 4
    win=$(xdotool search --sync --onlyvisible --name "Skat" | head -n1)
    xdotool windowfocus "$win" 2>/dev/null || true
    shot() { sleep "${2:-1}"; cp "$fb/Xvfb_screen0" "$fb/$1.xwd"; }
    keys() { for k in "$@"; do xdotool key --window "$win" "$k"; sleep 0.3; done; }
    # The start button "Neues Spiel" lies below the middle of the table.
    read -r W H < <(xdotool getdisplaygeometry)
    xdotool mousemove $((W / 2)) $((H / 2 + 166)) click 1
    shot bidding 5
    # Pass whenever asked, then play the first allowed card of every trick.
    for i in $(seq 1 6); do keys Down Return; sleep 0.5; done
    for i in $(seq 1 3); do keys Right Return Right Return Right Return; sleep 1; keys space; done
    shot play 1
    # Until the game stands on the score sheet: then its settlement shows
    # (more keys would confirm it and start the next game).
    settled() { grep -qs "<Spiel[ >/]" "$HOME/.local/share/SKAT/Spiellisten/Aktuell.skt"; }
    for i in $(seq 1 40); do keys Right Return; settled && break; keys space; done
    shot settlement 3
    # The pictures are taken and the home is thrown away: no quit question.
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  ' _ "$skat" "$tmp"
  for stage in bidding play settlement; do
    to_png "$tmp/$stage.xwd" "$out/table-texts-$stage-$language-$size.png"
  done
  rm -rf "$tmp"
}

for size in ${SKAT_SCREENSHOT_SIZES:-1024x768 1280x1024}; do
  for language in ${SKAT_SCREENSHOT_LANGUAGES:-de en}; do
    run "$language" "$size"
  done
done
echo "saved $out/table-texts-*.png"
