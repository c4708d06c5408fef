#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of seconds.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORV_FUZZ=ON -DORV_BUILD_TESTS=OFF > /dev/null
cmake --build "$build" --parallel

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(sed -n 's/^orv_fuzz_target(\(.*\))$/\1/p' fuzz/CMakeLists.txt))
fi
for t in "${targets[@]}"; do
  name=${t#fuzz_}
  work="$build/corpus/$name"
  mkdir -p "$work"
  dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
  echo "== $t for ${seconds}s"
  "$build/fuzz/$t" "$work" "fuzz/corpus/$name" "${dict[@]}" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 2>&1 | tail -n 12
done
