#!/usr/bin/env bash
# Sets up, builds and starts the editor on the bundled example report.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORV_BUILD_TESTS=OFF
cmake --build "$build" --parallel

report="$PWD/examples/turn12.txt"
if [ -x "$build/src/app/orvmove" ]; then
  exec "$build/src/app/orvmove" "$report"
fi
# Until the window is built, show what the core reads from the example report.
"$build/src/cli/orvmove-cli" tribes "$report"
"$build/src/cli/orvmove-cli" options "$report"
exec "$build/src/cli/orvmove-cli" map "$report"
