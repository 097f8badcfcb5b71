#!/usr/bin/env bash
# Installs what is missing, builds and starts Skat. Without a display it runs
# under Xvfb (or offscreen when SKAT_OFFSCREEN=1).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup-debian.sh"
bash "$root/scripts/build.sh"
build=${SKAT_BUILD_DIR:-$root/build}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/skat/windows/Skat" "$@"
elif [ "${SKAT_OFFSCREEN:-0}" = 1 ]; then
  QT_QPA_PLATFORM=offscreen exec "$build/skat/windows/Skat" "$@"
else
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/skat/windows/Skat" "$@"
fi
