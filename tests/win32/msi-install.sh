#!/usr/bin/env bash
# msi-install.sh MSI FOLDER VERSION WALK WINDOW_PIXELS: run by with-wine.sh --script, on a
# display. The installer installs the program silently into FOLDER (under drive C:) with a
# Start-menu shortcut and an entry under installed apps; the installed program passes WALK (that it starts and shows its menu);
# removing it leaves no file, shortcut or registry key behind.
set -u
msi=$1 folder=$2 version=$3 walk=$4 pixels=$5
source "$(dirname "$0")/msi-lib.sh"

"$WINE" msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i failed"
installed_once "$folder" "$version"
# The installed apps show a Windows Installer product's icon from its product key.
icon=$(products | value_of ProductIcon)
[ -n "$icon" ] && [ -s "$(unix_path "$icon")" ] || fail "the product has no icon: \"$icon\""

game=$(mktemp) || exit 1
trap 'rm -f "$game"' EXIT
printf '#!/bin/sh\nexec "%s" "%s"\n' "$WINE" "$(windows_path "$drive/$folder/$name/orvane-tictactoe.exe")" >"$game"
chmod +x "$game"
bash "$walk" "$game" "$pixels" || fail "the installed program failed its walk"

"$WINE" msiexec /x "$(windows_path "$msi")" /qn || fail "msiexec /x failed"
removed "$folder"
echo "msi-install: installed into $folder, walked, and removed"
