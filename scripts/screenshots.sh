#!/usr/bin/env bash
# Renders every page of the main window in Polish and English into
# docs/screenshots/<page>-pl.png and <page>-en.png (offscreen, simulated
# module). Needs a build: TRV630_BUILD_DIR (default build/).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TRV630_BUILD_DIR:-$top/build}
cmake --build "$build" --target test_app >/dev/null
mkdir -p "$top/docs/screenshots"
QT_QPA_PLATFORM=offscreen TRV630_SCREENSHOT_DIR="$top/docs/screenshots" \
  "$build/tests/test_app" --gtest_also_run_disabled_tests --gtest_filter='Screenshots.*' "$@"
