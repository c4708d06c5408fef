#!/usr/bin/env bash
# Sets up, builds with address and undefined-behaviour sanitizers, and runs every test;
# then a short run of every fuzz target (12 seconds each, under a minute in all).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON -DORV_BUILD_BENCH=ON
cmake --build "$build" --parallel
ctest --test-dir "$build" --output-on-failure

bash scripts/fuzz.sh 12
