#!/usr/bin/env bash
# The settings dialog as a user meets it, under Xvfb at 1024x768: Ctrl+E on
# the table must open a visible window titled "Einstellungen" ("Settings"
# in English), or the script fails. Saves each of its four pages in German
# and English (settings-<page>-<de|en>.png), the table before and after the
# card set and the theme were changed there (settings-table-before.png,
# settings-table-after.png), the picture picker with a photo loaded
# (settings-picker.png) and the table with the new face
# (settings-table-face.png), in docs/screenshots/ or the given folder.
#   scripts/settings-screenshots.sh [output folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=${SKAT_BUILD_DIR:-$root/build}
skat=$build/skat/windows/Skat
[ -x "$skat" ] || cmake --build "$build" --target Skat
mkdir -p "$out"

# A photo for the picker: a smiling face before a blue sky (standard library only).
photo() {
  python3 - "$1" <<'EOF'
import struct, sys, zlib
W, H = 480, 360
def inside(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1
rows = bytearray()
for y in range(H):
    rows.append(0)
    for x in range(W):
        c = (90 + y * 100 // H, 150 + y * 60 // H, 230)           # sky
        if y > 300 or inside(x, y, 240, 400, 190, 120):
            c = (40, 90, 160)                                      # shirt
        if inside(x, y, 240, 170, 95, 120):
            c = (240, 196, 160)                                    # face
            if y < 110 and not inside(x, y, 240, 175, 85, 110):
                c = (110, 70, 40)                                  # hair
        if inside(x, y, 240, 95, 100, 45) and y < 105:
            c = (110, 70, 40)
        for ex in (205, 275):
            if inside(x, y, ex, 160, 12, 15):
                c = (50, 40, 30)
        if inside(x, y, 240, 215, 45, 25) and y > 215:
            c = (180, 60, 60)                                      # smile
        rows += bytes(c)
def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', W, H, 8, 2, 0, 0, 0))
png += chunk(b'IDAT', zlib.compress(bytes(rows), 9)) + chunk(b'IEND', b'')
open(sys.argv[1], 'wb').write(png)
EOF
}

run() {
  local language=$1
  local tmp
  tmp=$(mktemp -d)
  mkdir -p "$tmp/config/Quorvenel" "$tmp/home" "$tmp/data"
  printf '[Software]\n' > "$tmp/config/Quorvenel/SKAT.ini"
  if [ "$language" = en ]; then
    printf 'Quorvenel\\SKAT\\Preferences\\Sprache=English\n' >> "$tmp/config/Quorvenel/SKAT.ini"
  fi
  photo "$tmp/photo.png"
  local title=Einstellungen picker="Gesicht ausw" chooser="Wähle ein Bild"
  [ "$language" = en ] && title=Settings picker="Choose a face" chooser="Select a picture"
  HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data \
    xvfb-run -a -s "-screen 0 1024x768x24 -fbdir $tmp" bash -c '
    skat=$1 fb=$2 language=$3 title=$4 pickerTitle=$5 chooser=$6
    "$skat" &
    pid=$!
    trap "kill -KILL $pid 2>/dev/null || true" EXIT
    sleep 4
    win=$(xdotool search --sync --onlyvisible --name "Skat" | head -n1)
    shot() { sleep "${3:-1}"; cp "$fb/Xvfb_screen0" "$fb/$1.xwd"; echo "$2" > "$fb/$1.area"; }
    screen="0,0,1024,768"
    find() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n1; }
    area() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X,$Y,$WIDTH,$HEIGHT"; }
    # In a window: a point given relative to it.
    click() { eval "$(xdotool getwindowgeometry --shell "$1")"; xdotool mousemove $((X + $2)) $((Y + $3)) click 1; sleep 0.5; }
    # The start button "Neues Spiel" below the middle of the table; the
    # click also gives the window the keyboard.
    xdotool mousemove 512 $((384 + 166)) click 1
    xdotool mousemove 1010 400
    [ "$language" = de ] && shot table-before "$screen" 5
    xdotool key --window "$win" ctrl+e
    dialog=$(find "^$title\$") || { echo "Ctrl+E opened no window \"$title\"" >&2; exit 1; }
    [ -n "$dialog" ] || { echo "Ctrl+E opened no window \"$title\"" >&2; exit 1; }
    xdotool windowfocus "$dialog" 2>/dev/null || true
    # The page lies 20 pixels below the top of the dialog; the tabs are
    # centred above it.
    page() { click "$dialog" "$1" $((20 + $2)); }
    tab() { click "$dialog" "$1" 21; }
    need() { [ -n "$1" ] || { echo "no window \"$2\"" >&2; exit 1; }; }
    shot page-player "$(area "$dialog")"
    # Ctrl+Tab turns the pages in either language, once the dialog has the
    # keyboard (a click on the left name field gives it).
    next() { xdotool key ctrl+Tab; sleep 0.5; }
    page 150 100; xdotool mousemove 1010 400
    next; shot page-graphics "$(area "$dialog")"
    next; shot page-cards "$(area "$dialog")"
    next; shot page-rules "$(area "$dialog")"
    if [ "$language" = de ]; then
      # The island theme and the German cards, then "Schließen".
      tab 275; page 258 75
      tab 393; page 406 85
      click "$dialog" 325 432
      xdotool mousemove 1010 400
      shot table-after "$screen" 3
      # The left neighbour gets a face from a photo; the gear on the table
      # opens the settings again.
      xdotool mousemove 967 37 click 1
      dialog=$(find "^$title\$"); need "$dialog" "$title"
      tab 165; page 190 52
      picker=$(find "^$pickerTitle"); need "$picker" "$pickerTitle"
      click "$picker" 70 32
      chooser=$(find "^$chooser"); need "$chooser" "$chooser"
      sleep 1
      xdotool type --delay 20 "$fb/photo.png"
      xdotool key Return
      sleep 2
      eval "$(xdotool getwindowgeometry --shell "$picker")"
      # A stroke of the pointer in the picture, with a moment between its points.
      stroke() {
        xdotool mousemove $((X + $1)) $((Y + $2)) mousedown 1
        shift 2
        while [ $# -ge 2 ]; do sleep 0.05; xdotool mousemove $((X + $1)) $((Y + $2)); shift 2; done
        sleep 0.1; xdotool mouseup 1; sleep 0.2
      }
      # The face a little higher, then the sky around it rubbed out.
      stroke 240 200 242 195 245 180
      click "$picker" 48 168
      for y in 70 84; do stroke 112 $y 180 $y 250 $y 320 $y 368 $y; done
      for x in 118 134 150 166; do stroke $x 96 $x 160 $x 230; done
      for x in 318 334 350 366; do stroke $x 96 $x 160 $x 230; done
      xdotool mousemove $((X + 450)) $((Y + 400))
      shot picker "$(area "$picker")" 1
      click "$picker" 256 432
      click "$dialog" 325 432
      xdotool mousemove 1010 400
      shot table-face "$screen" 3
    fi
  ' _ "$skat" "$tmp" "$language" "$title" "$picker" "$chooser"
  for page in player graphics cards rules; do
    python3 "$root/scripts/xwd-to-png.py" "$tmp/page-$page.xwd" "$out/settings-$page-$language.png" "$(cat "$tmp/page-$page.area")"
  done
  if [ "$language" = de ]; then
    for shot in table-before table-after picker table-face; do
      python3 "$root/scripts/xwd-to-png.py" "$tmp/$shot.xwd" "$out/settings-$shot.png" "$(cat "$tmp/$shot.area")"
    done
  fi
  rm -rf "$tmp"
}

for language in ${SKAT_SCREENSHOT_LANGUAGES:-de en}; do
  run "$language"
done
echo "saved $out/settings-*.png"
