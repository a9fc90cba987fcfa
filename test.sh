#!/usr/bin/env bash
# Installs what is missing, builds everything with the sanitizers and runs every test there (build-asan/),
# then builds everything normally and runs every test through CTest. Exits non-zero when either run fails.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh --tests
sanitized=0
scripts/sanitized-tests.sh || sanitized=$?
scripts/build.sh build -DMARLOWEN_TESTS=ON
normal=0
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600) || normal=$?
if [ "$sanitized" -ne 0 ]; then
  echo "FAILED: the sanitizer build (build-asan/) failed its build or tests; see above."
  exit "$sanitized"
fi
exit "$normal"
