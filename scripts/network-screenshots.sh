#!/usr/bin/env bash
# The host and join dialogs during a join, under Xvfb at 1024x768, in German
# and English: one Skat (Anna) opens "Netzwerkspiel einleiten" from the game
# menu, a second (Bert, its own home) opens "Netzwerkspiel teilnehmen",
# picks Anna's table from the tables found on the local network, connects
# and takes a seat. Pictures: the join dialog's list of found tables
# (network-join-found-<de|en>.png), the join dialog once seated
# (network-join-<de|en>.png), its address tab (network-join-address-...)
# and the host dialog with Bert's seat line (network-host-<de|en>.png), in
# docs/screenshots/ or the given folder.
#
# Run as root, everything runs in a network namespace of its own with its
# own D-Bus and Avahi daemons (host name "anna-laptop"), so the tables are
# found over DNS-SD; elsewhere it runs without, and the join dialog says
# that searching is not available. A dialog that does not open fails the
# script (the screen then in failed-network-<de|en>.png).
#   scripts/network-screenshots.sh [output folder]
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=${SKAT_BUILD_DIR:-$root/build}
skat=$build/skat/windows/Skat

mkdir -p "$out"
if [ -z "${SKAT_NETWORK_SANDBOX:-}" ]; then
  cmake --build "$build" --target Skat > /dev/null
  # Into a namespace with DNS-SD of its own, where that can be had.
  namespace=skat-shots-$$
  if [ "$(id -u)" -eq 0 ] && command -v avahi-daemon > /dev/null && command -v dbus-daemon > /dev/null &&
    ip netns add "$namespace" 2> /dev/null; then
    work=$(mktemp -d)
    # shellcheck source=avahi-sandbox.sh
    source "$root/scripts/avahi-sandbox.sh"
    trap 'avahi_sandbox_stop; ip netns del "$namespace" 2>/dev/null; rm -rf "$work"' EXIT
    ip -n "$namespace" link set lo up
    # The loopback interface carries multicast only once told so.
    ip -n "$namespace" link set lo multicast on
    if avahi_sandbox_start anna-laptop "$namespace" lo "$work"; then
      ip netns exec "$namespace" env SKAT_NETWORK_SANDBOX=avahi \
        DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/anna-laptop-bus" bash "$0" "$out"
      exit
    fi
    # shellcheck disable=SC2154 # set by avahi-sandbox.sh
    echo "without DNS-SD: $avahi_sandbox_error" >&2
  fi
  SKAT_NETWORK_SANDBOX=none bash "$0" "$out"
  exit
fi

# shellcheck source=fresh-home.sh
source "$root/scripts/fresh-home.sh"

# On this machine's own network the game's port may be taken: a free one.
if [ "$SKAT_NETWORK_SANDBOX" = none ] && [ -z "${SKAT_NETWORK_PORT:-}" ]; then
  SKAT_NETWORK_PORT=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  export SKAT_NETWORK_PORT
fi

run() {
  local language=$1
  local anna bert fb
  anna=$(fresh_home "$language" Anna)
  bert=$(fresh_home "$language" Bert)
  fb=$(mktemp -d)
  local host_title="Neues Netzwerkspiel starten" join_title="An Netzwerkspiel teilnehmen"
  local host_keys="alt+s w" join_keys="alt+s n"
  if [ "$language" = en ]; then
    host_title="Start a new network game" join_title="Join a network game"
    host_keys="alt+g h" join_keys="alt+g j"
  fi
  xvfb-run -a -s "-screen 0 1024x768x24 -fbdir $fb" bash -c '
    skat=$1 fb=$2 anna=$3 bert=$4 host_title=$5 join_title=$6 host_keys=$7 join_keys=$8
    pids=()
    trap "kill -KILL \${pids[*]} 2>/dev/null || true" EXIT
    start() { # home
      HOME=$1/home XDG_CONFIG_HOME=$1/config XDG_DATA_HOME=$1/data SKAT_FIXED_SEED=11 "$skat" &
      pids+=($!)
    }
    shot() { sleep "${3:-1}"; cp "$fb/Xvfb_screen0" "$fb/$1.xwd"; echo "$2" > "$fb/$1.area"; }
    area() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X,$Y,$WIDTH,$HEIGHT"; }
    failed() { echo "$1" >&2; cp "$fb/Xvfb_screen0" "$fb/failed.xwd"; exit 1; }
    # The window of that title (printed), or the script fails.
    opened() {
      local w
      w=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1) || true
      [ -n "$w" ] || failed "$2 opened no window \"$1\""
      echo "$w"
    }
    # A click at x y of the window.
    click() { eval "$(xdotool getwindowgeometry --shell "$1")"; xdotool mousemove $((X + $2)) $((Y + $3)) click 1; }
    park() { xdotool mousemove 1023 767; }
    park

    start "$anna"
    sleep 4
    anna_win=$(xdotool search --sync --onlyvisible --name "^Skat" | head -n1)
    xdotool windowfocus "$anna_win" 2>/dev/null || true
    xdotool key $host_keys
    host=$(opened "$host_title" "the game menu of the host") || exit 1
    xdotool windowmove "$host" 8 8

    start "$bert"
    sleep 4
    bert_win=$(xdotool search --onlyvisible --name "^Skat" | grep -vx "$anna_win" | head -n1)
    [ -n "$bert_win" ] || failed "the second Skat has no window"
    xdotool windowfocus "$bert_win" 2>/dev/null || true
    xdotool key $join_keys
    join=$(opened "$join_title" "the game menu of the guest") || exit 1
    xdotool windowmove "$join" 505 354
    sleep 2
    # The first table of the list "Lokales Netz" (found over DNS-SD).
    click "$join" 300 62
    park
    shot join-found "$(area "$join")" 2
    # "Verbinden", then "Teilnehmen".
    click "$join" 430 181
    sleep 2
    click "$join" 440 382
    park
    shot join "$(area "$join")" 2
    # The tab "Internet": the address the choice filled in.
    click "$join" 315 21
    park
    shot join-address "$(area "$join")" 1
    # Bert'"'"'s main window came later and covers Anna'"'"'s dialog.
    xdotool windowraise "$host"
    shot host "$(area "$host")" 1
  ' _ "$skat" "$fb" "$anna" "$bert" "$host_title" "$join_title" "$host_keys" "$join_keys" || failed=1
  if [ -f "$fb/failed.xwd" ]; then
    python3 "$root/scripts/xwd-to-png.py" "$fb/failed.xwd" "$out/failed-network-$language.png"
  fi
  for shot in join-found join join-address host; do
    [ -f "$fb/$shot.xwd" ] || continue
    python3 "$root/scripts/xwd-to-png.py" "$fb/$shot.xwd" "$out/network-$shot-$language.png" "$(cat "$fb/$shot.area")"
  done
  rm -rf "$anna" "$bert" "$fb"
  [ -z "${failed:-}" ]
}

for language in ${SKAT_SCREENSHOT_LANGUAGES:-de en}; do
  run "$language"
done
echo "saved $out/network-{join-found,join,join-address,host}-*.png (DNS-SD: $SKAT_NETWORK_SANDBOX)"
