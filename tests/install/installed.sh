#!/usr/bin/env bash
# `cmake --install` into temporary DESTDIRs: under /usr the game goes to games/, under any
# other prefix to bin/; either way the desktop finds its entry, icons, AppStream file and
# manual page, and the installed program plays.
source "$(dirname "$0")/checks.sh"
build=$1 cmake=$2 PROBE=$3 PIXELS=$4
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT

DESTDIR=$staging/system "$cmake" --install "$build" --prefix /usr >/dev/null || fail "install under /usr"
check_tree "$staging/system/usr" /usr games/orvane-tictactoe
walk "$staging/system/usr/games/orvane-tictactoe" "$(entry_value "$staging/system/usr" StartupWMClass)"

DESTDIR=$staging/own "$cmake" --install "$build" --prefix /opt/orvane >/dev/null || fail "install under /opt"
check_tree "$staging/own/opt/orvane" /opt/orvane bin/orvane-tictactoe
[ ! -e "$staging/own/opt/orvane/games" ] || fail "a games/ folder outside /usr"
