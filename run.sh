#!/usr/bin/env bash
# Installs what is missing, builds, and starts trv630-pc with the given
# arguments (./run.sh --simulate attaches the built-in virtual module).
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
exec "${TRV630_BUILD_DIR:-$top/build}/trv630-pc" "$@"
