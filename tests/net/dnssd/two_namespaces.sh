#!/usr/bin/env bash
# A table found over DNS-SD across a real (virtual) network: two network
# namespaces joined by a veth pair, each with a D-Bus system bus and an
# Avahi daemon of its own. The host side advertises its table; the other
# side browses, resolves and joins it by the address it learned over
# mDNS. Nothing of this machine's own network, buses or daemons is used.
#
#   two_namespaces.sh PATH/TO/dnssd_peer
#
# Exits 77 (skipped) with the reason where namespaces cannot be made
# (no root, a container that refuses them) or a daemon or the DNS-SD
# library is missing; every step is bounded in time.
set -u

peer=${1:?usage: two_namespaces.sh PATH/TO/dnssd_peer}
port=32333 # the game's own port: free in a fresh namespace

skip() {
  echo "SKIPPED: $*"
  exit 77
}

for tool in ip dbus-daemon avahi-daemon timeout mount; do
  command -v "$tool" > /dev/null 2>&1 || skip "$tool is not installed (scripts/setup-debian.sh installs it)"
done
ldconfig -p 2> /dev/null | grep -q 'libdns_sd\.so\.1' || skip "libdns_sd.so.1 is not installed"

work=$(mktemp -d "${TMPDIR:-/tmp}/skat-dnssd.XXXXXX")
# Unique per run, so that runs side by side do not meet.
a=skat-host-$$
b=skat-join-$$
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2> /dev/null; done
  ip netns del "$a" 2> /dev/null
  ip netns del "$b" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

ip netns add "$a" 2> "$work/netns.err" || skip "network namespaces are refused here: $(head -1 "$work/netns.err")"
ip netns add "$b" 2> "$work/netns.err" || skip "network namespaces are refused here: $(head -1 "$work/netns.err")"
ip link add veth-host netns "$a" type veth peer name veth-join netns "$b" 2> "$work/veth.err" ||
  skip "no veth pair: $(head -1 "$work/veth.err")"
ip -n "$a" addr add 10.233.0.1/24 dev veth-host
ip -n "$b" addr add 10.233.0.2/24 dev veth-join
for side in "$a" "$b"; do
  ip -n "$side" link set lo up
done
ip -n "$a" link set veth-host up
ip -n "$b" link set veth-join up

# A system bus and an Avahi daemon for each side. The daemons keep their
# pid file and socket in /run/avahi-daemon, which each gets privately
# (`ip netns exec` runs in a mount namespace of its own).
start_side() { # name namespace interface
  local name=$1 namespace=$2 interface=$3
  cat > "$work/$name-bus.conf" << EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/$name-bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
EOF
  cat > "$work/$name-avahi.conf" << EOF
[server]
host-name=$name
domain-name=local
use-ipv4=yes
use-ipv6=no
allow-interfaces=$interface
enable-dbus=yes
[wide-area]
enable-wide-area=no
[publish]
publish-hinfo=no
publish-workstation=no
EOF
  dbus-daemon --config-file="$work/$name-bus.conf" --nofork --nopidfile --nosyslog > "$work/$name-bus.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do
    [ -S "$work/$name-bus" ] && break
    sleep 0.1
  done
  [ -S "$work/$name-bus" ] || skip "dbus-daemon does not start: $(tail -1 "$work/$name-bus.log")"
  ip netns exec "$namespace" env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/$name-bus" sh -c \
    "mkdir -p /run/avahi-daemon && mount -t tmpfs tmpfs /run/avahi-daemon && exec avahi-daemon \
     -f '$work/$name-avahi.conf' --no-drop-root --no-chroot --no-rlimits --no-proc-title" \
    > "$work/$name-avahi.log" 2>&1 &
  pids+=($!)
}

start_side skathost "$a" veth-host
start_side skatjoin "$b" veth-join
for name in skathost skatjoin; do
  for _ in $(seq 100); do
    grep -q "Server startup complete" "$work/$name-avahi.log" && break
    sleep 0.1
  done
  grep -q "Server startup complete" "$work/$name-avahi.log" ||
    skip "avahi-daemon does not start: $(grep -v '^\*\*\*' "$work/$name-avahi.log" | tail -1)"
done
echo "two namespaces on a veth pair, each with its own bus and Avahi daemon"

# The Avahi compatibility library warns on stderr for every program; only
# what the peers print matters.
ip netns exec "$a" env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/skathost-bus" \
  timeout 30 "$peer" host "$port" > "$work/host.out" 2> "$work/host.err" &
host_pid=$!
pids+=("$host_pid")
ip netns exec "$b" env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/skatjoin-bus" \
  timeout 30 "$peer" join skathost "$port" > "$work/join.out" 2> "$work/join.err"
join_status=$?
wait "$host_pid"
host_status=$?

sed 's/^/host: /' "$work/host.out"
sed 's/^/join: /' "$work/join.out"
if [ "$host_status" -ne 0 ] || [ "$join_status" -ne 0 ]; then
  echo "host exit $host_status, join exit $join_status"
  for log in host.err join.err skathost-avahi.log skatjoin-avahi.log; do
    echo "--- $log"
    grep -v '^\*\*\*' "$work/$log" | tail -20
  done
  exit 1
fi
echo "DNS-SD between two namespaces: advertised, found, resolved and joined"
