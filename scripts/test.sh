#!/usr/bin/env bash
# Installs what the build needs, builds everything with warnings as errors and runs every
# test: the headless suites, the GUI tests and the end-to-end tests (each GUI or end-to-end
# test starts an X server of its own). The exit status is CTest's.
# The build uses the dev preset and goes to build/dev/, or to $TTT_BUILD_DIR when that is set.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TTT_BUILD_DIR:-$root/build/dev}
jobs=$(nproc 2>/dev/null || echo 2)
source "$root/scripts/build-as-owner.sh"

bash "$root/scripts/install-deps.sh"
check_writable "$build_dir"
as_owner cmake -S "$root" --preset dev -B "$build_dir"
as_owner cmake --build "$build_dir" --parallel "$jobs"

cd "$build_dir"
status=0
as_owner ctest --output-on-failure --parallel "$jobs" || status=$?
exit "$status"
