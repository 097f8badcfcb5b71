#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what .clang-format makes of
# it. Fix with: git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format -i
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if ! command -v clang-format >/dev/null; then
  echo "check-format: clang-format is missing (scripts/setup-debian.sh installs it)" >&2
  exit 1
fi
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if ! git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 -P "$(nproc)" -n 20 clang-format --dry-run --Werror 2>"$report"; then
  grep -m 20 "error:" "$report" >&2 || true
  echo "check-format: the files above are not formatted" >&2
  exit 1
fi
echo "check-format: every C++ file is formatted"
