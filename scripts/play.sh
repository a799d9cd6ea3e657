#!/usr/bin/env bash
# Builds the game with the release preset into build/release/ and opens it on the current
# desktop, Wayland or X11. Run as root, it first installs what building and running the game needs; run as
# any other user, it checks that those packages are there and says how to install them.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$root/build/release
jobs=$(nproc 2>/dev/null || echo 2)
source "$root/scripts/build-as-owner.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "play: there is no desktop (neither WAYLAND_DISPLAY nor DISPLAY is set): run this from a desktop session;" >&2
  echo "play: to build and test without a display, use scripts/test.sh" >&2
  exit 1
fi
bash "$root/scripts/install-deps.sh" --play
check_writable "$build_dir"
as_owner cmake -S "$root" --preset release -B "$build_dir" >/dev/null
as_owner cmake --build "$build_dir" --parallel "$jobs" --target orvane-tictactoe
exec "$build_dir/orvane-tictactoe"
