#!/usr/bin/env bash
# Start-up time of Skat to a shown main window and its resident memory,
# over several runs under Xvfb, with a home of its own (prepared by one run
# first, so the runs measured are ordinary, not first, starts).
#   bash bench/startup.sh [runs, default 9]
# Prints per run the milliseconds from the program's launch until its main
# window is mapped on the screen (as xev sees it), the resident memory then
# and 2 s later, and the median and worst of each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SKAT_BUILD_DIR:-$root/build}
skat=$build/skat/windows/Skat
runs=${1:-9}
[ -x "$skat" ] || { echo "build Skat first ($skat)" >&2; exit 1; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$skat" "$runs" <<'INNER'
skat=$1 runs=$2
rss() { awk '/^VmRSS:/ {print int($2 / 1024)}' "/proc/$1/status" 2>/dev/null || echo 0; }
now_ms() { local t=${EPOCHREALTIME/./}; echo $(( t / 1000 )); }
one() {   # prints: ms rss-at-show rss-settled
  local fifo start pid xev ms=0 shown settled line win
  fifo=$(mktemp -u) && mkfifo "$fifo"
  # xev reports every window mapped on the screen as it happens.
  stdbuf -oL xev -root -event substructure >"$fifo" 2>/dev/null &
  xev=$!
  exec 3<"$fifo"
  sleep 0.3
  start=$(now_ms)
  "$skat" >/dev/null 2>&1 &
  pid=$!
  while read -r line <&3; do
    case $line in
      MapNotify*)
        ms=$(( $(now_ms) - start ))
        read -r line <&3
        win=$(echo "$line" | sed -n 's/.*window \(0x[0-9a-f]*\),.*/\1/p')
        xprop -id "$win" WM_NAME 2>/dev/null | grep -qi '"skat' && break ;;
    esac
  done
  kill "$xev" 2>/dev/null; exec 3<&-; rm -f "$fifo"
  shown=$(rss "$pid")
  sleep 2
  settled=$(rss "$pid")
  kill -TERM "$pid"; wait "$pid" || true
  echo "$ms $shown $settled"
}
one >/dev/null   # the first start copies the samples; not measured
results=()
for i in $(seq 1 "$runs"); do
  r=$(one)
  echo "run $i: shown after ${r%% *} ms, resident $(echo "$r" | cut -d' ' -f2) MB at the show, $(echo "$r" | cut -d' ' -f3) MB settled"
  results+=("$r")
done
stat() {   # column: median and worst
  printf '%s\n' "${results[@]}" | cut -d' ' -f"$1" | sort -n | awk '{a[NR]=$1} END {printf "median %d, worst %d", a[int((NR+1)/2)], a[NR]}'
}
echo "start-up to the shown main window (ms): $(stat 1)   (target <= 1000)"
echo "resident memory at the show (MB):        $(stat 2)"
echo "resident memory 2 s later (MB):          $(stat 3)   (target <= 150)"
INNER
