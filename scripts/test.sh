#!/usr/bin/env bash
# Installs what the build needs, builds everything with warnings as errors and runs every
# test: the headless suites, the GUI tests and the end-to-end tests (each GUI or end-to-end
# test starts an X server of its own), then the same for the Windows program, cross-built
# with MinGW-w64 and tested under Wine. The exit status is CTest's, failing if either failed.
# The builds use the dev and windows presets and go to build/dev/ and build/windows/, or to
# $TTT_BUILD_DIR and $TTT_WINDOWS_BUILD_DIR when those are set.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TTT_BUILD_DIR:-$root/build/dev}
windows_build_dir=${TTT_WINDOWS_BUILD_DIR:-$root/build/windows}
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/install-deps.sh"
cmake -S "$root" --preset dev -B "$build_dir"
cmake --build "$build_dir" --parallel "$jobs"

cmake -S "$root" --preset windows -B "$windows_build_dir"
cmake --build "$windows_build_dir" --parallel "$jobs"

status=0
(cd "$build_dir" && ctest --output-on-failure --parallel "$jobs") || status=$?
(cd "$windows_build_dir" && ctest --output-on-failure --parallel "$jobs") || status=$?
exit "$status"
