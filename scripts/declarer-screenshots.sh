#!/usr/bin/env bash
# Pictures of the user as declarer under Xvfb, dealt from seed 11 at
# 1024x768: the user holds every bid until the others pass (the take-skat
# buttons with the other seats' names and roles), then takes the skat, puts
# two cards away and announces by keys (the title box at the user's first
# card), in German and English
# (docs/screenshots/table-texts-declarer-{skat,play}-<language>-1024x768.png).
#   scripts/declarer-screenshots.sh [output folder, default docs/screenshots]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
if [ -z "${SKAT_IN_XVFB:-}" ]; then
  [ -x "${SKAT_BUILD_DIR:-$root/build}/skat/windows/Skat" ] || bash "$root/scripts/build.sh"
  mkdir -p "$out"
  out=$(cd "$out" && pwd)
  for language in de en; do
    SKAT_LANGUAGE=$([ "$language" = en ] && echo English || true) SKAT_IN_XVFB=$language \
      xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$out" || echo "the $language run ended early" >&2
  done
  echo "saved $out/table-texts-declarer-*.png"
  exit 0
fi
source "$root/scripts/skat-session.sh"
SKAT_SEED=11
[ -n "$SKAT_LANGUAGE" ] || unset SKAT_LANGUAGE
skat_session_prepare
trap 'rm -rf "$SESSION_DIR"' EXIT
skat_session_start
skat_key ctrl+n
sleep 2
for _ in $(seq 1 7); do skat_key Up Return; sleep 0.5; done
sleep 1
skat_session_shot "$out/table-texts-declarer-skat-$SKAT_IN_XVFB-1024x768.png"
for _ in $(seq 1 8); do skat_key Left Return; sleep 0.7; done
skat_session_shot "$out/table-texts-declarer-play-$SKAT_IN_XVFB-1024x768.png"
kill -KILL "$SKAT_PID" 2>/dev/null || true
wait "$SKAT_PID" 2>/dev/null || true
