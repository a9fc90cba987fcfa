#!/usr/bin/env bash
# Configures and builds the tree into the folder given as $1 (default build/), with extra CMake
# arguments after it. Warnings are errors (the preset "werror"); the folder is configured when it has
# no build yet, when arguments are given, or when it was configured without warnings as errors.
# $MARLOWEN_TARGETS, when set, names the targets to build instead of all.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
if [ ! -f "$dir/build.ninja" ] || [ $# -gt 0 ] || ! grep -qx 'MARLOWEN_WERROR:BOOL=ON' "$dir/CMakeCache.txt"; then
  cmake --preset werror -B "$dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@"
fi
# shellcheck disable=SC2086 # the targets are words
cmake --build "$dir" -j "$(nproc)" ${MARLOWEN_TARGETS:+--target $MARLOWEN_TARGETS}
