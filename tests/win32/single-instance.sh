#!/usr/bin/env bash
# single-instance.sh EXE WINDOW_PIXELS HOSTILE_CLIENT: run by with-wine.sh --script, on a
# display: the end-to-end walk of one program per session (tests/e2e/single-instance.sh) with
# the Windows program. Every start runs in the one copy of the Wine prefix with its one Wine
# server, as the programs of one Windows session share its named objects.
set -u
exe=$1 pixels=$2 hostile=$3
game=$(mktemp "$WINEPREFIX/game-XXXXXX") || exit 1
printf '#!/bin/sh\nexec %q %q "$@"\n' "$WINE" "$exe" >"$game"
chmod +x "$game"
"$(dirname "$0")/../e2e/single-instance.sh" "$game" "$pixels" "$hostile"
