#!/usr/bin/env bash
# Installs what the build needs, builds the game into build/ and opens it on the current
# X display.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$root/build
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" --parallel "$jobs" --target orvane-tictactoe
exec "$build_dir/orvane-tictactoe"
