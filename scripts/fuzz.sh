#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of seconds, one
# after the other. Fails on the first target that finds a crash, a leak, a hang or a broken
# invariant; the input that did it is kept as build-fuzz/NAME-crash-* (or leak-, timeout-).
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
build=build-fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(sed -n 's/^orv_fuzz_target(\(.*\))$/\1/p' fuzz/CMakeLists.txt))
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORV_FUZZ=ON -DORV_BUILD_TESTS=OFF > /dev/null
# Only the targets: the window needs no fuzzing instrumentation.
cmake --build "$build" --parallel 2 --target "${targets[@]}"
for t in "${targets[@]}"; do
  name=${t#fuzz_}
  work="$build/corpus/$name"
  log="$build/$t.log"
  mkdir -p "$work"
  dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
  echo "== $t for ${seconds}s"
  # New inputs go to the first folder, so the checked-in seeds stay as they are.
  status=0
  "$build/fuzz/$t" "$work" "fuzz/corpus/$name" "${dict[@]}" -max_total_time="$seconds" -seed="${FUZZ_SEED:-0}" \
    -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$build/$name-" > "$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    grep -av '^#\|^INFO' "$log" | head -n 40
    echo "== $t failed (exit $status); log in $log" >&2
    exit 1
  fi
  grep -a -E '^Done|^stat::number_of_executed_units|^#[0-9]+.*DONE' "$log" || tail -n 5 "$log"
done
