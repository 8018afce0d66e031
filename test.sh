#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (no display needed).
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
cd "${TRV630_BUILD_DIR:-$top/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 "$@"
