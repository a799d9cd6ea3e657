#!/usr/bin/env bash
# Installs what the builds need, then builds and runs every test:
#  - the Linux program with warnings as errors: the headless suites, the GUI tests, the
#    end-to-end tests and the install and package checks (each GUI or end-to-end test starts
#    an X server of its own);
#  - the Windows program, cross-built with MinGW-w64: its suites and walks under Wine;
#  - the Linux program again with AddressSanitizer and UndefinedBehaviorSanitizer: every test
#    once more, then 20 s of seeded random input (scripts/soak.sh).
# The exit status is 0 only when all of it passes. The builds use the dev, windows and asan
# presets and go to build/dev/, build/windows/ and build/asan/, or to $TTT_BUILD_DIR,
# $TTT_WINDOWS_BUILD_DIR and $TTT_ASAN_BUILD_DIR when those are set.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TTT_BUILD_DIR:-$root/build/dev}
windows_build_dir=${TTT_WINDOWS_BUILD_DIR:-$root/build/windows}
asan_dir=${TTT_ASAN_BUILD_DIR:-$root/build/asan}
jobs=$(nproc 2>/dev/null || echo 2)
source "$root/scripts/build-as-owner.sh"

bash "$root/scripts/install-deps.sh"
status=0

# Configures and builds one preset into a folder, then runs its tests.
build_and_test() {
  local preset=$1 dir=$2
  check_writable "$dir"
  as_owner cmake -S "$root" --preset "$preset" -B "$dir"
  as_owner cmake --build "$dir" --parallel "$jobs"
  (cd "$root" && as_owner ctest --preset "$preset" --test-dir "$dir" --parallel "$jobs") || status=1
}

build_and_test dev "$build_dir"
build_and_test windows "$windows_build_dir"
# The asan preset sets the sanitizers' options and the leak suppressions.
build_and_test asan "$asan_dir"
as_owner env TTT_BUILD_DIR="$asan_dir" bash "$root/scripts/soak.sh" 20 1 || status=1
exit "$status"
