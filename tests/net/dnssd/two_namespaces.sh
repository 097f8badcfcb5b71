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
# shellcheck source-path=SCRIPTDIR/../../../scripts

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

# shellcheck source=avahi-sandbox.sh
source "$(dirname "$0")/../../../scripts/avahi-sandbox.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/skat-dnssd.XXXXXX")
# Unique per run, so that runs side by side do not meet.
a=skat-host-$$
b=skat-join-$$
host_pid=

cleanup() {
  [ -n "$host_pid" ] && kill "$host_pid" 2> /dev/null
  avahi_sandbox_stop
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

# A system bus and an Avahi daemon for each side.
for side in "skathost $a veth-host" "skatjoin $b veth-join"; do
  # shellcheck disable=SC2086,SC2154 # the words of $side; the error is set by avahi-sandbox.sh
  avahi_sandbox_start $side "$work" || skip "$avahi_sandbox_error"
done
echo "two namespaces on a veth pair, each with its own bus and Avahi daemon"

# The Avahi compatibility library warns on stderr for every program; only
# what the peers print matters.
ip netns exec "$a" env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/skathost-bus" \
  timeout 30 "$peer" host "$port" > "$work/host.out" 2> "$work/host.err" &
host_pid=$!
ip netns exec "$b" env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/skatjoin-bus" \
  timeout 30 "$peer" join skathost "$port" > "$work/join.out" 2> "$work/join.err"
join_status=$?
wait "$host_pid"
host_status=$?
host_pid=

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
