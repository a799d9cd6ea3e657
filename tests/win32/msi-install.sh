#!/usr/bin/env bash
# msi-install.sh MSI FOLDER VERSION WALK WINDOW_PIXELS: run by with-wine.sh --script, on a
# display. The installer installs the program silently into FOLDER (under drive C:) with a
# Start-menu shortcut and an entry under installed apps; the installed program passes WALK;
# removing it leaves no file, shortcut or registry key behind.
set -u
msi=$1 folder=$2 version=$3 walk=$4 pixels=$5
name="Orvane's Tic Tac Toe"
drive=$WINEPREFIX/drive_c
program="$drive/$folder/$name/orvane-tictactoe.exe"
# Windows puts a per-machine shortcut in the Start menu of all users; Wine in the user's own.
menus=("$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
  "$drive/users/${USER:-$(id -un)}/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
fail() { echo "msi-install: FAILED: $*" >&2; exit 1; }
windows_path() { echo "Z:${1//\//\\}"; }
shortcuts() { local menu; for menu in "${menus[@]}"; do [ ! -e "$menu/$name.lnk" ] || echo "$menu/$name.lnk"; done; }
# key_naming KEY VALUE: the subkey of KEY whose value VALUE is the game's name, as "reg query"
# lists it; nothing when there is none.
key_naming() {
  "$WINE" reg query "$1" /s 2>/dev/null | tr -d '\r' | awk -v value="$2" -v name="$name" '
    /^HKEY/ { if (found) exit; block = "" } { block = block $0 "\n" }
    $1 == value { data = $0; sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, "", data); if (data == name) found = 1 }
    END { if (found) printf "%s", block }'
}
uninstall_entry() {
  key_naming 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' DisplayName
  key_naming 'HKLM\Software\WOW6432Node\Microsoft\Windows\CurrentVersion\Uninstall' DisplayName
}
value_of() { awk -v key="$1" '$1 == key { sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, ""); print }'; }
unix_path() { local path=${1#[Cc]:\\}; echo "$drive/${path//\\//}"; }

"$WINE" msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i failed"
[ -f "$program" ] || fail "no program at $program"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut in ${menus[*]}"
entry=$(uninstall_entry)
[ -n "$entry" ] || fail "no entry under installed apps"
[ "$(value_of Publisher <<<"$entry")" = Orvane ] || fail "the entry's publisher is not Orvane: $entry"
[ "$(value_of DisplayVersion <<<"$entry")" = "$version" ] || fail "the entry's version is not $version"
# The installed apps show a Windows Installer product's icon from its product key.
icon=$(key_naming 'HKLM\Software\Classes\Installer\Products' ProductName | value_of ProductIcon)
[ -n "$icon" ] && [ -s "$(unix_path "$icon")" ] || fail "the product has no icon: \"$icon\""

game=$(mktemp) || exit 1
trap 'rm -f "$game"' EXIT
printf '#!/bin/sh\nexec "%s" "%s"\n' "$WINE" "$(windows_path "$program")" >"$game"
chmod +x "$game"
bash "$walk" "$game" "$pixels" || fail "the installed program failed its walk"

"$WINE" msiexec /x "$(windows_path "$msi")" /qn || fail "msiexec /x failed"
[ ! -e "$drive/$folder/$name" ] || fail "the program's folder is still there"
[ -z "$(shortcuts)" ] || fail "the Start-menu shortcut is still there: $(shortcuts)"
[ -z "$(uninstall_entry)" ] || fail "the entry under installed apps is still there"
[ -z "$(key_naming 'HKLM\Software\Classes\Installer\Products' ProductName)" ] ||
  fail "the product is still registered"
! "$WINE" reg query 'HKLM\Software\Orvane' >/dev/null 2>&1 || fail "HKLM\\Software\\Orvane is still there"
echo "msi-install: installed into $folder, walked, and removed"
