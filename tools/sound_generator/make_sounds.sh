#!/usr/bin/env bash
# Makes the sounds of one folder group as MP3 files.
#   make_sounds.sh <phrases.txt> <Sounds folder> L|R|Sprecher|Effekte
# Speech comes from espeak-ng (a German voice per speaker), effects from sox;
# lame encodes everything. The opponents "L" and "R" speak the phrases listed
# for "L" (with their "hallo" and "demo" folders) in their own voices.
set -euo pipefail
table=$1
out=$2
group=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

encode() {   # encode <wav> <mp3>
  lame --quiet --resample 22.05 -b 48 -m m "$1" "$2"
}

say() {      # say <voice options> <text> <mp3>
  local wav=$work/say.wav
  # shellcheck disable=SC2086
  espeak-ng $1 -w "$wav" -- "$2"
  # Remove the silence espeak adds and give a short fade, then encode.
  sox -V1 -q "$wav" "$work/trim.wav" silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse pad 0.05 0.1 norm -1
  encode "$work/trim.wav" "$3"
}

case $group in
  L)        voice="-v de+m3 -s 160 -p 42" ;;
  R)        voice="-v de+f3 -s 165 -p 62" ;;
  Sprecher) voice="-v de+m1 -s 150 -p 35" ;;
  Effekte)  voice="" ;;
  *) echo "unknown group $group" >&2; exit 2 ;;
esac

if [ "$group" = Effekte ]; then
  dir=$out/Effekte
  mkdir -p "$dir"
  # Cutting: two crisp card snaps.
  sox -V1 -q -n -r 22050 "$work/a.wav" synth 0.03 whitenoise fade 0 0.03 0.025 highpass 1800 pad 0 0.08 repeat 1 norm -3
  encode "$work/a.wav" "$dir/abheben.mp3"
  # Dealing: a quick run of card flicks.
  sox -V1 -q -n -r 22050 "$work/g.wav" synth 0.025 pinknoise fade 0 0.025 0.02 highpass 1200 pad 0 0.09 repeat 9 norm -3
  encode "$work/g.wav" "$dir/geben.mp3"
  # A bell: two partials dying away.
  sox -V1 -q -n -r 22050 "$work/b.wav" synth 1.6 sine 880 sine 1320 remix - fade 0.005 1.6 1.4 norm -3
  encode "$work/b.wav" "$dir/glocke.mp3"
  # Shuffling: a riffle of noise bursts.
  sox -V1 -q -n -r 22050 "$work/m.wav" synth 0.9 brownnoise tremolo 28 90 highpass 600 fade 0.05 0.9 0.2 norm -4
  encode "$work/m.wav" "$dir/mischen.mp3"
  # A flush: rushing noise falling in pitch.
  sox -V1 -q -n -r 22050 "$work/s.wav" synth 2.2 pinknoise lowpass 2500 fade 0.2 2.2 1.2 tremolo 3 30 norm -4
  encode "$work/s.wav" "$dir/spuelung.mp3"
  # A telephone: two rings.
  sox -V1 -q -n -r 22050 "$work/t1.wav" synth 0.9 sine 425 sine 475 remix - tremolo 20 100 fade 0.01 0.9 0.05 pad 0 0.5 repeat 1 norm -3
  encode "$work/t1.wav" "$dir/telefon.mp3"
  exit 0
fi

source=L
[ "$group" = Sprecher ] && source=Sprecher
while IFS='|' read -r folder name text; do
  case $folder in ''|'#'*) continue ;; esac
  case $folder in
    "$source"|"$source"/*) ;;
    *) continue ;;
  esac
  target=$group${folder#"$source"}
  mkdir -p "$out/$target"
  say "$voice" "$text" "$out/$target/$name.mp3"
done < "$table"
