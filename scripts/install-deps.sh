#!/usr/bin/env bash
# Makes sure the Debian packages needed to build the game and run its tests are installed.
# As root it installs whatever is missing; as any other user it names what is missing and
# how to install it, and fails, so that a missing package never surfaces later as a
# compiler or test error.
set -euo pipefail

packages=(
  build-essential   # g++ and make
  cmake
  libgtest-dev      # GoogleTest
  libfltk1.3-dev    # the toolkit, with the X11 headers
  xvfb              # a private X server for the GUI and end-to-end tests
  xdotool           # drives the real program in the end-to-end tests
  x11-utils         # xwininfo and friends, to look at windows when a test fails
  fontconfig
  fonts-liberation  # stands in for MS Sans Serif
  fonts-comic-neue  # stands in for Comic Sans MS
  g++-mingw-w64-x86-64-posix  # cross-builds the Windows program
  googletest        # GoogleTest's sources, built with that compiler for the Windows tests
  wine64            # runs the Windows program and its tests
  zip               # packs the Windows program
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
  if [ "${status:0:2}" != "ii" ]; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all needed packages are installed"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: these packages are missing: ${missing[*]}" >&2
  echo "install-deps: install them as root with:" >&2
  echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
