#!/usr/bin/env bash
# Configures and builds the tree into the folder given as $1 (default build/), with extra CMake
# arguments after it. Warnings are errors (the preset "werror"); the folder is configured again
# when it was configured without them.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
if [ ! -f "$dir/build.ninja" ] || ! grep -qx 'MARLOWEN_WERROR:BOOL=ON' "$dir/CMakeCache.txt"; then
  cmake --preset werror -B "$dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@"
fi
cmake --build "$dir" -j "$(nproc)"
