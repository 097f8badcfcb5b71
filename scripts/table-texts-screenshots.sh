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

# XWD (ZPixmap, 24/32 bits per pixel) to PNG with the standard library only.
to_png() {
  python3 - "$1" "$2" <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
for order in ('>', '<'):
    h = struct.unpack(order + '25I', data[:100])
    if h[1] == 7:
        break
size, width, height = h[0], h[4], h[5]
byte_order, bpp, stride, ncolors = h[7], h[11], h[12], h[19]
masks = h[14:17]
pixels = data[size + 12 * ncolors:]
def shift(mask):
    s = 0
    while mask and not (mask >> s) & 1:
        s += 1
    return s
shifts = [shift(m) for m in masks]
step, endian = bpp // 8, 'little' if byte_order == 0 else 'big'
rows = bytearray()
for y in range(height):
    line = pixels[y * stride:y * stride + width * step]
    rows.append(0)
    for x in range(0, width * step, step):
        v = int.from_bytes(line[x:x + step], endian)
        rows += bytes(((v & m) >> s) & 0xff for m, s in zip(masks, shifts))
def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
png += chunk(b'IDAT', zlib.compress(bytes(rows), 9)) + chunk(b'IEND', b'')
open(sys.argv[2], 'wb').write(png)
PY
}

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
    for i in $(seq 1 40); do keys Right Return; keys space; done
    shot settlement 3
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" || true
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
