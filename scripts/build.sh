#!/usr/bin/env bash
# Configures and builds into build/ (or $TRV630_BUILD_DIR).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${TRV630_BUILD_DIR:-$top/build}
# Share compiled objects between build directories.
export CCACHE_BASEDIR="$top" CCACHE_NOHASHDIR=true
generator=()
command -v ninja >/dev/null && [ ! -f "$dir/Makefile" ] && generator=(-G Ninja)
cmake -S "$top" -B "$dir" "${generator[@]}" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
