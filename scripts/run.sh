#!/usr/bin/env bash
# Sets up, builds and starts the editor on the bundled example report.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORV_BUILD_TESTS=OFF
cmake --build "$build" --parallel

exec "$build/src/app/orvmove" "$PWD/examples/turn12.txt"
