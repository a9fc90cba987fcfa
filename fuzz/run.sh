#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer into build-fuzz/ and runs each for a bounded time.
#   fuzz/run.sh [SECONDS_PER_TARGET] [TARGET...]     (default: 60 seconds, every target)
# Each target starts from its seed corpus and regressions (fuzz/corpus/<target>, fuzz/regressions/<target>)
# and grows a working corpus in build-fuzz/corpus/<target>; inputs are kept to 8 KB. An input that
# breaks a target is saved in build-fuzz/artifacts/<target>/; copy it to fuzz/regressions/<target>/ so
# that the tests replay it from then on.
# Exits non-zero when any target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
MARLOWEN_WITH_FUZZ=1 scripts/deps.sh --tests
if [ ! -f build-fuzz/build.ninja ]; then
  cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
cmake --build build-fuzz -j "$(nproc)"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini text decoding layout harulayout)
status=0
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target" "build-fuzz/artifacts/$target"
  seeds=(fuzz/corpus/"$target")
  [ -d "fuzz/regressions/$target" ] && seeds+=(fuzz/regressions/"$target")
  log="build-fuzz/$target.log"
  echo "== $target: $seconds s"
  if ! "build-fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len=8192 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target/" \
       "build-fuzz/corpus/$target" "${seeds[@]}" >"$log" 2>&1; then
    status=1
    echo "   FAULT: see $log and build-fuzz/artifacts/$target/"
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$log" | sed 's/^/   /' || true
done
exit "$status"
