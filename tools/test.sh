#!/usr/bin/env bash
# Builds and runs the whole test suite headless. Extra arguments go to ctest.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/setup-deps.sh"
build=${VX_BUILD_DIR:-$here/build}
"$here/tools/build.sh" "$build" ${VX_CMAKE_OPTIONS:-}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure "$@"
