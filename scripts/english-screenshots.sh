#!/usr/bin/env bash
# Pictures of Skat in English under Xvfb: the main window (through
# scripts/screenshot.sh, with a settings file that chooses English) and two
# dialogs (settings and game choice) and the bid-value table as the program builds them from their forms.
#   scripts/english-screenshots.sh [output folder, default docs/screenshots]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=${SKAT_BUILD_DIR:-$root/build}
[ -x "$build/tools/form_screenshot/form_screenshot" ] || cmake --build "$build" --target form_screenshot Skat
mkdir -p "$out"

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/Quorvenel"
printf '[Software]\nQuorvenel\\SKAT\\Preferences\\Sprache=English\n' > "$config/Quorvenel/SKAT.ini"
XDG_CONFIG_HOME=$config bash "$root/scripts/screenshot.sh" "$out/main-window-en.png"

for form in "16 dialog-settings-en" "61 dialog-game-choice-en" "370 dialog-bid-values-en"; do
  set -- $form
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tools/form_screenshot/form_screenshot" "$1" "$out/$2.png" --english \
    --program-dir "$build/skat/windows"
done
