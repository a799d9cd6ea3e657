#!/usr/bin/env bash
# Makes sure the Debian packages needed to build the game and run its tests are installed;
# with --play, only those needed to build and run the game. As root it installs whatever is
# missing; as any other user it names what is missing and how to install it, and fails, so
# that a missing package never surfaces later as a compiler or test error.
set -euo pipefail

packages=(
  build-essential   # g++, make and dpkg-shlibdeps
  cmake
  qt6-base-dev      # the toolkit: Qt 6 Widgets, with its X11 platform plugin
  qt6-wayland       # makes the program a native Wayland client in a Wayland session
  libx11-dev        # says why an X display cannot be opened
  libxcb1-dev       # the window manager hints Qt has no call for
  libpng-dev        # writes the icon theme's icons at build time
  fontconfig
  fonts-liberation  # stands in for MS Sans Serif
  fonts-comic-neue  # stands in for Comic Sans MS
)
test_packages=(
  libgtest-dev        # GoogleTest
  xvfb                # a private X server for the GUI and end-to-end tests
  xauth               # a cookie for the test of a server that refuses the program
  xdotool             # drives the real program in the end-to-end tests
  xclip               # puts hostile names on the clipboard for the end-to-end tests
  fonts-noto-core         # Arabic and Hebrew faces for the tests of names in any script
  fonts-wqy-microhei      # a Chinese face for the same tests
  fonts-noto-color-emoji  # emoji for the same tests
  x11-utils           # xprop, and xwininfo to look at windows when a test fails
  weston              # a Wayland compositor for the walk of the native Wayland program
  icewm               # a window manager that does not enforce size hints, for the tests
  x11-xserver-utils   # xrdb, which sets Xft.dpi for the tests at each scale
  dbus-daemon         # a private session bus for the Orca walk and the benchmark
  dbus-bin            # dbus-send, which asks that bus whether the accessibility bus is up
  at-spi2-core        # the accessibility bus launcher and registry
  orca                # the screen reader the Orca walk plays under
  speech-dispatcher   # Orca's speech server; the walk has it write each utterance to a file
  desktop-file-utils  # checks the installed desktop entry
  appstream           # checks the installed AppStream file
  man-db              # renders the installed manual page
  lintian             # checks the Debian package
  g++-mingw-w64-x86-64-posix  # cross-builds the 64-bit Windows program
  g++-mingw-w64-i686-posix    # cross-builds the 32-bit Windows program
  googletest          # GoogleTest's sources, built with those compilers for the Windows tests
  wine64              # runs the 64-bit Windows program and its tests
  wine32:i386         # runs the 32-bit one, as on a 32-bit Windows (needs the i386 architecture)
  zip                 # packs the Windows programs
  wixl                # builds their installers (.msi)
)
case "${1:-}" in
  --play) ;;
  "") packages+=("${test_packages[@]}") ;;
  *) echo "usage: $0 [--play]" >&2; exit 2 ;;
esac

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
  echo "install-deps: install them once as root with:" >&2
  echo "  su -c 'bash $0${*:+ $*}'" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Packages of another architecture come once dpkg knows it; adding it again changes nothing.
for package in "${missing[@]}"; do
  if [[ $package == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "install-deps: enabling the i386 architecture for $package"
    dpkg --add-architecture i386
  fi
done
# A mirror being synced serves lists that do not match their index for a while: the update is
# tried again a few times, and then the lists that did come are used.
updated=0
for try in 1 2 3; do
  if apt-get -o Acquire::Retries=3 update; then updated=1; break; fi
  echo "install-deps: updating the package lists failed (try $try of 3)" >&2
  if [ "$try" -lt 3 ]; then sleep 20; fi
done
apt_install() { apt-get -o Acquire::Retries=3 "$@" install -y --no-install-recommends "${missing[@]}" </dev/null; }
if ! apt_install; then
  [ "$updated" = 0 ] || exit 1
  # The lists of one architecture lack the security suite, so its versions no longer match the
  # other's: the release and its updates alone are consistent. Installed as they are, with a
  # word on how to take the security updates later.
  echo "install-deps: installing without the security suite, whose lists did not come;" \
    "run apt-get update && apt-get upgrade once the mirror is whole" >&2
  preferences=$(mktemp)
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: -1\n' >"$preferences"
  apt_install -o Dir::Etc::Preferences="$preferences" || { rm -f "$preferences"; exit 1; }
  rm -f "$preferences"
fi
