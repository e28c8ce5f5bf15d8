#!/bin/sh
# Remakes docs/screenshot-en.png: the English window answering a route in the sample city,
# drawn offscreen (no X server needed) and grabbed by the window tests' screenshot helper.
#   scripts/screenshot-en.sh [BIN_DIR]
set -eu
bin=${1:-build/bin}
out=$(cd "$(dirname "$0")/.." && pwd)/docs/screenshot-en.png
QT_QPA_PLATFORM=offscreen BUSQUERY_SCREENSHOT="$out" BUSQUERY_DB="$bin/busdata" \
    "$bin/gui_tests" --gtest_also_run_disabled_tests \
    --gtest_filter='ScreenshotTest.DISABLED_TheEnglishWindowAnsweringARoute'
echo "wrote $out"
