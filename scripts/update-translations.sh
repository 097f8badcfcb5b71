#!/usr/bin/env bash
# Refreshes the English translation source skat/app/translations/Skat.en.ts
# from the forms and the framework's translatable texts, keeping every
# translation already there. New texts come in marked unfinished: give each
# its English text (Qt Linguist, or by hand in the file); the app tests fail
# while a form text has none. The build compiles the file with lrelease.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
cd "$root"
"$lupdate" -no-obsolete -locations none -source-language de -target-language en \
  skat/windows/*.ui skat/windows skat/ui vordix/windows/*.cpp \
  -ts skat/app/translations/Skat.en.ts
