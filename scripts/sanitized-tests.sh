#!/usr/bin/env bash
# Builds the whole tree, the desktop program and its modules included, with AddressSanitizer and
# UndefinedBehaviorSanitizer (preset "asan", into build-asan/) and runs every test there. Leaks that only
# third-party libraries make are suppressed by scripts/lsan-suppressions.txt. Exits with CTest's status.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "== Sanitizer build (build-asan/): every module's tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# Configured each time, so that a build-asan/ made before the desktop joined the preset takes it up.
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan -j "$(nproc)"
