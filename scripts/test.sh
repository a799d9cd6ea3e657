#!/usr/bin/env bash
# Installs what the builds need, then builds and runs every test:
#  - the Linux program with warnings as errors: the headless suites, the GUI tests, the
#    end-to-end walks, the Orca and Wayland walks, and the install and package checks (each
#    GUI test or walk starts an X server of its own);
#  - the Windows programs, 64-bit and 32-bit, cross-built with MinGW-w64, with their zips and
#    installers: their suites, walks and installs under Wine (the 32-bit program only where
#    a 32-bit build can differ);
#  - the Linux program again with AddressSanitizer and UndefinedBehaviorSanitizer: its own
#    tests once more (not the packaging), then 20 s of seeded random input (scripts/soak.sh).
# The exit status is 0 only when all of it passes. The builds use the dev, windows, windows32
# and asan presets (CMakePresets.json), which put them in build/dev/, build/windows/,
# build/windows32/ and build/asan/ and give each test run its settings (the sanitizers'
# options among them). Each build also makes its Wine prefixes, before any test is listed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
source "$root/scripts/build-as-owner.sh"

bash "$root/scripts/install-deps.sh"
status=0

# Configures, builds and tests one preset in its folder, build/<preset>/.
build_and_test() {
  local preset=$1
  check_writable "$root/build/$preset"
  cd "$root"
  as_owner cmake --preset "$preset"
  as_owner cmake --build --preset "$preset" --parallel "$jobs"
  as_owner ctest --preset "$preset" --parallel "$jobs" || status=1
}

build_and_test dev
build_and_test windows
build_and_test windows32
build_and_test asan
as_owner env TTT_BUILD_DIR="$root/build/asan" bash "$root/scripts/soak.sh" 20 1 || status=1
exit "$status"
