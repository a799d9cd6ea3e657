#!/usr/bin/env bash
# `cmake --install` into temporary DESTDIRs: under /usr the game goes to games/, under any
# other prefix to bin/; either way the desktop finds its entry, icons, AppStream file and
# manual page, and the installed program plays.
source "$(dirname "$0")/checks.sh"
build=$1 cmake=$2 PROBE=$3 PIXELS=$4
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT

# install_under PREFIX FOLDER: installs under PREFIX into the DESTDIR $staging/FOLDER.
install_under() {
  DESTDIR=$staging/$2 "$cmake" --install "$build" --prefix "$1" >/dev/null ||
    fail "install under $1"
}

install_under /usr system
check_tree "$staging/system/usr" /usr games/orvane-tictactoe
walk "$staging/system/usr/games/orvane-tictactoe" \
  "$(entry_value "$staging/system/usr" StartupWMClass)"

install_under /opt/orvane own
check_tree "$staging/own/opt/orvane" /opt/orvane bin/orvane-tictactoe
[ ! -e "$staging/own/opt/orvane/games" ] || fail "a games/ folder outside /usr"
