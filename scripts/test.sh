#!/usr/bin/env bash
# Sets up, builds with address and undefined-behaviour sanitizers, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON -DORV_BUILD_BENCH=ON
cmake --build "$build" --parallel
ctest --test-dir "$build" --output-on-failure
