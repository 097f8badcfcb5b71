#!/usr/bin/env bash
# A network game between three Skat programs on this machine. Each runs in
# an X server of its own (Xvfb) with a private home folder and the fixed
# seed SKAT_SEED: the host offers a table on 127.0.0.1 (SKAT_NETWORK_START=
# host, a free port in SKAT_NETWORK_PORT), two guests join it
# (SKAT_NETWORK_START=join:127.0.0.1) and the game starts once both sit.
# All three are played by the keys play-keys.sh sends, until the host's
# score sheet holds the games asked for; then one guest is killed with
# SIGKILL in the middle of the next game, and the host must report the
# lost seat, stay up and end normally through its menu.
# Every frame the host sends is recorded (SKAT_FRAME_LOG) and checked by
# scripts/check-frames.py: no frame to a seat shows another seat's hidden
# cards. The last line sums it up:
#   LAN game: 3 processes, N complete games on every score sheet, frames checked F, hidden cards sent 0
#   scripts/lan-game.sh [games, default 1]
# SKAT_PLAY_SECONDS limits the play (default 900); SKAT_LAN_KEEP keeps the
# run's folder (homes, outputs, frame logs) there; SKAT_LAN_SHOTS saves
# there each program's screen just before the kill (lan-NAME.png) and the
# host's after it (lan-host-seat-lost.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
games=${1:-1}
limit=${SKAT_PLAY_SECONDS:-900}
export SKAT_SEED=${SKAT_SEED:-11}
source "$root/scripts/skat-session.sh"
[ -x "$SKAT_BIN" ] || bash "$root/scripts/build.sh"

work=$(mktemp -d)
cleanup_pids=()
cleanup() {
  local pid
  # Waited for, so that the shell does not report them as killed.
  for pid in "${cleanup_pids[@]}"; do { kill -KILL "$pid" && wait "$pid"; } 2> /dev/null || true; done
  if [ -n "${SKAT_LAN_KEEP:-}" ]; then rm -rf "$SKAT_LAN_KEEP"; cp -r "$work" "$SKAT_LAN_KEEP"; fi
  rm -rf "$work"
}
trap cleanup EXIT
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_DOCUMENTS_DIR

fail() {
  echo "lan-game: $*" >&2
  for name in host anna bert; do
    [ -f "$work/$name/out" ] && { echo "--- $name:" >&2; tail -n 20 "$work/$name/out" >&2; }
  done
  exit 1
}

# A free TCP port on the loopback interface.
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
export SKAT_NETWORK_PORT=$port

declare -A display pid win held
# An X server of its own: the first free display from 90 on.
start_display() {
  local n
  for n in $(seq 90 189); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
    local xpid=$!
    for _ in $(seq 1 50); do
      DISPLAY=":$n" xdotool getdisplaygeometry > /dev/null 2>&1 && break
      kill -0 "$xpid" 2> /dev/null || break
      sleep 0.1
    done
    if DISPLAY=":$n" xdotool getdisplaygeometry > /dev/null 2>&1; then
      cleanup_pids+=("$xpid")
      display[$1]=":$n"
      return 0
    fi
    kill "$xpid" 2> /dev/null || true
  done
  return 1
}

# Starts one program: its home, its X server, its network start; waits for its window.
start_skat() {
  local name=$1 start=$2 user=$3
  mkdir -p "$work/$name"
  skat_home "$work/$name/home" "$user"
  start_display "$name" || fail "no X display for $name"
  HOME="$work/$name/home" DISPLAY="${display[$name]}" SKAT_FIXED_SEED=$SKAT_SEED SKAT_NETWORK_START=$start \
    SKAT_FRAME_LOG="$work/$name/frames" "$SKAT_BIN" > "$work/$name/out" 2>&1 &
  pid[$name]=$!
  cleanup_pids+=("${pid[$name]}")
  win[$name]=$(DISPLAY="${display[$name]}" timeout 30 xdotool search --sync --onlyvisible --name '^Skat' | head -n1)
  [ -n "${win[$name]}" ] || fail "no game window of $name"
  sleep 1
  DISPLAY="${display[$name]}" xdotool windowfocus --sync "${win[$name]}" 2> /dev/null \
    || DISPLAY="${display[$name]}" xdotool windowfocus "${win[$name]}"
  held[$name]=0
}

keys() {
  local name=$1
  shift
  for key in "$@"; do
    DISPLAY="${display[$name]}" xdotool key "$key"
    sleep "$SKAT_KEY_PAUSE"
  done
}

alive() { kill -0 "${pid[$1]}" 2> /dev/null; }

# Waits up to $2 seconds for a line of the program's output.
wait_for_output() {
  local name=$1 seconds=$2 pattern=$3
  for _ in $(seq 1 $((seconds * 5))); do
    grep -q -- "$pattern" "$work/$name/out" 2> /dev/null && return 0
    alive "$name" || return 1
    sleep 0.2
  done
  return 1
}

sheet_of() { find "$work/$1/home" -name Aktuell.skt 2> /dev/null | head -n1; }
rows_of() {
  local sheet
  sheet=$(sheet_of "$1")
  if [ -z "$sheet" ]; then echo 0; return; fi
  { grep -o '<Spiel[ >/]' "$sheet" || true; } | wc -l
}

start_skat host host Hanna
wait_for_output host 20 'Network start: hosting' || fail "the host offers no table"
start_skat anna join:127.0.0.1 Anna
wait_for_output host 20 'joined at slot 1' || fail "Anna was not seated"
start_skat bert join:127.0.0.1 Bert
wait_for_output host 20 'joined at slot 2' || fail "Bert was not seated"
echo "host on port $port, guests seated at slots 1 and 2"

# The play: each program in turn gets the keys of play-keys.sh.
play_round() {
  local name
  for name in host anna bert; do
    alive "$name" || continue
    if [ "${held[$name]}" -lt 2 ]; then keys "$name" Up Return; else keys "$name" Down Return; fi
    held[$name]=$((held[$name] + 1))
    keys "$name" Left Return
  done
}

start=$SECONDS
rows=0
while [ "$rows" -lt "$games" ]; do
  for name in host anna bert; do alive "$name" || fail "$name ended early"; done
  [ $((SECONDS - start)) -le "$limit" ] || fail "no $games games within $limit s (host's sheet: $rows)"
  play_round
  now=$(rows_of host)
  if [ "$now" != "$rows" ]; then
    echo "game $now entered after $((SECONDS - start)) s"
    rows=$now
    for name in host anna bert; do held[$name]=0; done
  fi
done

# The guests take the sheet with the next game, which is played into; a
# game that ends meanwhile counts too.
received_rows() {
  python3 "$root/scripts/check-frames.py" --last-sheet "$work/$1/frames" "$work/$1/sheet.skt" > /dev/null || { echo 0; return; }
  { grep -o '<Spiel[ >/]' "$work/$1/sheet.skt" || true; } | wc -l
}
new_games() { { grep -a -o '<BNF TYP="3"' "$work/host/frames" || true; } | wc -l; }
while :; do
  rows=$(rows_of host)
  [ "$(received_rows anna)" -ge "$rows" ] && [ "$(received_rows bert)" -ge "$rows" ] \
    && [ "$(new_games)" -ge $((2 * (rows + 1))) ] && break
  [ $((SECONDS - start)) -le "$limit" ] || fail "the guests did not get the sheet of $rows games"
  play_round
done
# Bert is killed once his game is in the bidding or the card play.
bert_connection=$(sed -n 's/^Connection \([0-9]*\) joined at slot 2$/\1/p' "$work/host/out" | tail -n1)
bert_state() {
  grep -a -A1 "^out $bert_connection " "$work/host/frames" | grep -a -o ' ZI="[0-9]*"' | tail -n1 | tr -dc '0-9'
}
until [[ "$(bert_state)" =~ ^(4|6|8|9)$ ]]; do
  [ $((SECONDS - start)) -le "$limit" ] || fail "the next game did not begin"
  play_round
done

# One guest dies in the middle of the game: the host tells of the lost
# seat, closes the table and goes on working.
shot() { [ -z "${SKAT_LAN_SHOTS:-}" ] || DISPLAY="${display[$1]}" import -window root "$SKAT_LAN_SHOTS/$2"; }
if [ -n "${SKAT_LAN_SHOTS:-}" ]; then
  mkdir -p "$SKAT_LAN_SHOTS"
  for name in host anna bert; do shot "$name" "lan-$name.png"; done
fi
state=$(bert_state)
{ kill -KILL "${pid[bert]}" && wait "${pid[bert]}"; } 2> /dev/null || true
case $state in 4) phase=bidding ;; 6) phase="the game's announcement" ;; *) phase="card play" ;; esac
echo "Bert (pid ${pid[bert]}) killed with SIGKILL in game $(($(rows_of host) + 1)), during the $phase"
wait_for_output host 20 'left the network table' || fail "the host did not report the lost seat"
rows=$(rows_of host)
echo "host: $(grep -m1 'left the network table' "$work/host/out")"
sleep 2
alive host || fail "the host ended after the lost seat"
shot host lan-host-seat-lost.png
# The host's and Anna's notices are confirmed, then both quit through their menus.
keys host Return
keys anna Return
sleep 1
for name in host anna; do
  alive "$name" || fail "$name ended before quitting"
  DISPLAY="${display[$name]}" xdotool windowfocus "${win[$name]}" 2> /dev/null || true
  keys "$name" alt+s e
  sleep 1
  alive "$name" && keys "$name" alt+e
  for _ in $(seq 1 40); do alive "$name" || break; sleep 0.25; done
  alive "$name" && fail "$name did not end through its menu"
  status=0
  wait "${pid[$name]}" || status=$?
  [ "$status" = 0 ] || fail "$name ended with status $status"
  echo "$name quit through its menu"
done

# Every score sheet: the host's file, and the last one each guest took.
host_sheet=$(sheet_of host)
[ -n "$host_sheet" ] || fail "the host saved no score sheet"
python3 "$root/scripts/check-sheet.py" "$host_sheet" > /dev/null || fail "the host's sheet has faulty rows"
for name in anna bert; do
  [ "$(received_rows "$name")" = "$rows" ] || fail "$name's sheet holds $(received_rows "$name") games, not $rows"
  python3 "$root/scripts/check-sheet.py" "$work/$name/sheet.skt" > /dev/null || fail "$name's sheet has faulty rows"
done
[ "$(rows_of host)" = "$rows" ] || fail "the host's sheet holds $(rows_of host) games, not $rows"

report=$(python3 "$root/scripts/check-frames.py" "$work/host/frames" "$host_sheet") || {
  echo "$report"
  fail "frames to a seat showed hidden cards"
}
frames=$(echo "$report" | sed -n 's/.*frames checked \([0-9]*\),.*/\1/p' | tail -n1)
hidden=$(echo "$report" | sed -n 's/.*hidden cards sent \([0-9]*\).*/\1/p' | tail -n1)
echo "LAN game: 3 processes, $rows complete games on every score sheet, frames checked $frames, hidden cards sent $hidden"
