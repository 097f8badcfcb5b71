#!/usr/bin/env bash
# Exports the sample score sheets of the PDF tests and saves a picture of
# every page in docs/screenshots/ (needs a build in ./build and pdftoppm).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
SKAT_PDF_SAMPLE_DIR="$out" build/tests/app/test_app --gtest_filter='PdfExportTest.SampleSheetsForTheScreenshots' >/dev/null
mkdir -p docs/screenshots
for pdf in "$out"/*.pdf; do
  name=$(basename "$pdf" .pdf)
  pdftoppm -r 80 -png "$pdf" "docs/screenshots/$name" 2>/dev/null
done
ls docs/screenshots/pdf-*.png
