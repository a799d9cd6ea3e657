#!/usr/bin/env bash
# single-instance.sh PREFIX EXE WINDOW_PIXELS HOSTILE_CLIENT: the end-to-end walk of one
# program per session (tests/e2e/single-instance.sh) with the Windows program. Every start
# runs in one copy of the Wine prefix with one Wine server, as programs of one Windows
# session share its named objects.
set -u
prefix=$1 exe=$2 pixels=$3 hostile=$4
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
session=$(mktemp -d "$prefix.run-XXXXXX") || exit 1
trap 'WINEPREFIX="$session/prefix" "$wineserver" -k 2>/dev/null; rm -rf "$session"' EXIT
mkdir "$session/prefix" && cp -al "$prefix/." "$session/prefix/" || exit 1
cat >"$session/game" <<GAME
#!/bin/sh
WINEPREFIX='$session/prefix' WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' exec '$wine' '$exe' "\$@"
GAME
chmod +x "$session/game"
"$(dirname "$0")/../e2e/single-instance.sh" "$session/game" "$pixels" "$hostile"
