#!/usr/bin/env bash
# Configures (once) and builds the tree into the folder given as $1 (default build/),
# with extra CMake arguments after it.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@"
fi
cmake --build "$dir" -j "$(nproc)"
