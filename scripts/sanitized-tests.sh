#!/usr/bin/env bash
# Builds the engine, the platform layer and the command-line converter with AddressSanitizer and
# UndefinedBehaviorSanitizer (preset "asan", into build-asan/) and runs their tests there.
# Exits with CTest's status.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-asan/build.ninja ] || cmake --preset asan >/dev/null
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan -j "$(nproc)"
