#!/usr/bin/env bash
# Installs what the build needs, builds everything with warnings as errors and runs every
# test: the headless suites, the GUI tests and the end-to-end tests (each GUI or end-to-end
# test starts an X server of its own). Then it builds everything again with AddressSanitizer
# and UndefinedBehaviorSanitizer, runs every test once more, and drives that program for
# 20 s with seeded random input (scripts/soak.sh). The exit status is 0 when all of it passes.
# The builds use the dev and asan presets and go to build/dev/ and build/asan/, or to
# $TTT_BUILD_DIR and $TTT_ASAN_BUILD_DIR when those are set.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TTT_BUILD_DIR:-$root/build/dev}
asan_dir=${TTT_ASAN_BUILD_DIR:-$root/build/asan}
jobs=$(nproc 2>/dev/null || echo 2)
source "$root/scripts/build-as-owner.sh"

bash "$root/scripts/install-deps.sh"
check_writable "$build_dir"
as_owner cmake -S "$root" --preset dev -B "$build_dir"
as_owner cmake --build "$build_dir" --parallel "$jobs"

cd "$build_dir"
status=0
as_owner ctest --output-on-failure --parallel "$jobs" || status=$?

# The sanitizer run: the preset sets the sanitizers' options and the leak suppressions.
as_owner cmake -S "$root" --preset asan -B "$asan_dir"
as_owner cmake --build "$asan_dir" --parallel "$jobs"
cd "$root"
as_owner ctest --preset asan --test-dir "$asan_dir" --parallel "$jobs" || status=1
as_owner env TTT_BUILD_DIR="$asan_dir" bash "$root/scripts/soak.sh" 20 1 || status=1
exit "$status"
