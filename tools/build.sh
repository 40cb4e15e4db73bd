#!/usr/bin/env bash
# Configures (once) and builds incrementally. Usage: build.sh <build-dir> [cmake options...]
# VX_BUILD_TARGETS limits the build to those targets.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
elif [ $# -gt 0 ]; then
    cmake "$dir" "$@" >/dev/null
fi
targets=()
for t in ${VX_BUILD_TARGETS:-}; do
    targets+=(--target "$t")
done
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
