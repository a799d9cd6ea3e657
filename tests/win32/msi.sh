#!/usr/bin/env bash
# msi.sh MSI FOLDER VERSION WINDOW_PIXELS [NEWER_MSI NEWER_VERSION]: run by with-wine.sh
# --script, on a display. The installer installs the program silently into FOLDER (under drive
# C:) with a Start-menu shortcut, an icon and an entry under installed apps, and the installed
# program shows its menu. A newer installer, under the same upgrade code, replaces it, so that
# installed apps list the game once, and the older one then refuses to install over it.
# Removal leaves no file, shortcut or registry key behind.
set -u
msi=$1 folder=$2 version=$3 pixels=$4 newer=${5:-} newer_version=${6:-}
name="Orvane's Tic Tac Toe"
drive=$WINEPREFIX/drive_c
fail() { echo "msi: FAILED: $*" >&2; exit 1; }
windows_path() { echo "Z:${1//\//\\}"; }
unix_path() { local path=${1#[Cc]:\\}; echo "$drive/${path//\\//}"; }
# The shortcut in a Start menu: Windows puts it in that of all users, Wine in the user's own.
shortcuts() { find "$drive" -path "*/Start Menu/Programs/$name.lnk"; }
# keys_naming KEY VALUE: each subkey of KEY whose value VALUE is the game's name, as "reg
# query" lists it, one block each; nothing when there is none.
keys_naming() {
  "$WINE" reg query "$1" /s 2>/dev/null | tr -d '\r' | awk -v value="$2" -v name="$name" '
    function flush() { if (found) printf "%s", block; block = ""; found = 0 }
    /^HKEY/ { flush() } { block = block $0 "\n" }
    $1 == value { data = $0; sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, "", data); if (data == name) found = 1 }
    END { flush() }'
}
uninstall_entries() {
  keys_naming 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' DisplayName
  keys_naming 'HKLM\Software\WOW6432Node\Microsoft\Windows\CurrentVersion\Uninstall' DisplayName
}
products() { keys_naming 'HKLM\Software\Classes\Installer\Products' ProductName; }
value_of() { awk -v key="$1" '$1 == key { sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, ""); print }'; }
# installed_once VERSION: the program is in FOLDER with its shortcut, and installed apps list
# it once, as VERSION by the publisher Orvane.
installed_once() {
  local entries
  [ -f "$drive/$folder/$name/orvane-tictactoe.exe" ] || fail "no program in $folder"
  [ -n "$(shortcuts)" ] || fail "no Start-menu shortcut"
  entries=$(uninstall_entries)
  [ "$(grep -c '^HKEY' <<<"$entries")" = 1 ] || fail "not one entry under installed apps: $entries"
  [ "$(value_of Publisher <<<"$entries")" = Orvane ] || fail "the entry's publisher is not Orvane: $entries"
  [ "$(value_of DisplayVersion <<<"$entries")" = "$1" ] || fail "the entry's version is not $1: $entries"
}

"$WINE" msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i of $version failed"
installed_once "$version"
# The installed apps show a Windows Installer product's icon from its product key.
icon=$(products | value_of ProductIcon)
[ -n "$icon" ] && [ -s "$(unix_path "$icon")" ] || fail "the product has no icon: \"$icon\""
game=$WINEPREFIX/installed-game.sh
printf '#!/bin/sh\nexec "%s" "%s"\n' "$WINE" "$(windows_path "$drive/$folder/$name/orvane-tictactoe.exe")" >"$game"
chmod +x "$game"
(
  source "$(dirname "$0")/../e2e/lib.sh"
  setup "$game" "$pixels"
  start_game
  menu=$(wait_window "$MENU") || exit 1
  quit
) || fail "the installed program did not show its menu and end by \"&EXIT\""

if [ -n "$newer" ]; then
  "$WINE" msiexec /i "$(windows_path "$newer")" /qn || fail "msiexec /i of $newer_version failed"
  installed_once "$newer_version"
  ! "$WINE" msiexec /i "$(windows_path "$msi")" /qn || fail "$version installed over $newer_version"
  installed_once "$newer_version"
  msi=$newer
fi
"$WINE" msiexec /x "$(windows_path "$msi")" /qn || fail "msiexec /x failed"
[ ! -e "$drive/$folder/$name" ] || fail "the program's folder is still there"
[ -z "$(shortcuts)" ] || fail "the Start-menu shortcut is still there: $(shortcuts)"
[ -z "$(uninstall_entries)" ] || fail "the entry under installed apps is still there"
[ -z "$(products)" ] || fail "the product is still registered"
! "$WINE" reg query 'HKLM\Software\Orvane' >/dev/null 2>&1 || fail "HKLM\\Software\\Orvane is still there"
echo "msi: installed into $folder, walked${newer:+, replaced by $newer_version} and removed"
