#!/usr/bin/env bash
# Pictures of the help pages as the help window's text browser shows them,
# taken offscreen from the pages the build copied to Ressourcen/Hilfe.
#   scripts/help-screenshots.sh [output folder, default docs/screenshots] [all]
# Without "all" it takes one German and one English page; with it, every page.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshots}
build=${SKAT_BUILD_DIR:-$root/build}
cmake --build "$build" --target help_screenshot skat_help_pages >/dev/null
help=$build/skat/windows/Ressourcen/Hilfe
mkdir -p "$out"
if [ "${2:-}" = all ]; then
  pages=$(cd "$help" && find . -name '*.html' | sed 's|^\./||' | sort)
else
  pages="skatordnung/skatordnung.html einfuehrung/spielwerte.en.html"
fi
for page in $pages; do
  name=$(basename "$page" .html)
  lang=de
  case $name in *.en) lang=en; name=${name%.en} ;; esac
  QT_QPA_PLATFORM=offscreen "$build/tools/help_screenshot/help_screenshot" "$help/$page" \
    "$out/help-$name-$lang.png" 700 900 2>/dev/null
  echo "$out/help-$name-$lang.png"
done
