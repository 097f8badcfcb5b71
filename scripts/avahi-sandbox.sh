# shellcheck shell=bash disable=SC2034 # avahi_sandbox_* are read by the scripts that source this one
# Sourced by scripts that need DNS-SD without touching this machine's own
# buses and daemons: a D-Bus system bus and an Avahi daemon of their own in
# a network namespace (which the caller has made). Needs root.
#
#   avahi_sandbox_start NAME NAMESPACE INTERFACE WORKDIR
#       starts both for the host name NAME on INTERFACE of NAMESPACE; the
#       bus listens on WORKDIR/NAME-bus (a program reaches it with
#       DBUS_SYSTEM_BUS_ADDRESS=unix:path=WORKDIR/NAME-bus). Their process
#       ids are added to the array avahi_sandbox_pids. Nonzero, with the
#       reason in avahi_sandbox_error, when one does not start within a few
#       seconds.

avahi_sandbox_pids=()
avahi_sandbox_error=

avahi_sandbox_start() {
  local name=$1 namespace=$2 interface=$3 work=$4
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
  avahi_sandbox_pids+=($!)
  for _ in $(seq 50); do
    [ -S "$work/$name-bus" ] && break
    sleep 0.1
  done
  if [ ! -S "$work/$name-bus" ]; then
    avahi_sandbox_error="dbus-daemon does not start: $(tail -1 "$work/$name-bus.log")"
    return 1
  fi
  # The daemon keeps its pid file and socket in /run/avahi-daemon, which
  # it gets privately (`ip netns exec` runs in a mount namespace of its own).
  ip netns exec "$namespace" env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/$name-bus" sh -c \
    "mkdir -p /run/avahi-daemon && mount -t tmpfs tmpfs /run/avahi-daemon && exec avahi-daemon \
     -f '$work/$name-avahi.conf' --no-drop-root --no-chroot --no-rlimits --no-proc-title" \
    > "$work/$name-avahi.log" 2>&1 &
  avahi_sandbox_pids+=($!)
  for _ in $(seq 100); do
    grep -q "Server startup complete" "$work/$name-avahi.log" && return 0
    sleep 0.1
  done
  avahi_sandbox_error="avahi-daemon does not start: $(grep -v '^\*\*\*' "$work/$name-avahi.log" | tail -1)"
  return 1
}

# Ends the daemons started so far.
avahi_sandbox_stop() {
  local pid
  for pid in "${avahi_sandbox_pids[@]}"; do kill "$pid" 2> /dev/null; done
  for pid in "${avahi_sandbox_pids[@]}"; do wait "$pid" 2> /dev/null; done
  avahi_sandbox_pids=()
}
