# msi-lib.sh: what the installer walks share, sourced by scripts that with-wine.sh --script
# runs: where the game installs, and what it leaves in the prefix's files and registry.
name="Orvane's Tic Tac Toe"
drive=$WINEPREFIX/drive_c
# Windows puts a per-machine shortcut in the Start menu of all users; Wine in the user's own.
menus=("$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
  "$drive/users/${USER:-$(id -un)}/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
fail() { echo "$(basename "$0" .sh): FAILED: $*" >&2; exit 1; }
windows_path() { echo "Z:${1//\//\\}"; }
unix_path() { local path=${1#[Cc]:\\}; echo "$drive/${path//\\//}"; }
shortcuts() { local menu; for menu in "${menus[@]}"; do [ ! -e "$menu/$name.lnk" ] || echo "$menu/$name.lnk"; done; }
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
# installed_once FOLDER VERSION: the program is in FOLDER (under drive C:) with its shortcut,
# and installed apps list it once, as VERSION by the publisher Orvane.
installed_once() {
  local entries
  [ -f "$drive/$1/$name/orvane-tictactoe.exe" ] || fail "no program in $1"
  [ -n "$(shortcuts)" ] || fail "no Start-menu shortcut in ${menus[*]}"
  entries=$(uninstall_entries)
  [ "$(grep -c '^HKEY' <<<"$entries")" = 1 ] || fail "not one entry under installed apps: $entries"
  [ "$(value_of Publisher <<<"$entries")" = Orvane ] || fail "the entry's publisher is not Orvane: $entries"
  [ "$(value_of DisplayVersion <<<"$entries")" = "$2" ] || fail "the entry's version is not $2: $entries"
}
# removed FOLDER: nothing of the game is left, in FOLDER, the Start menu or the registry.
removed() {
  [ ! -e "$drive/$1/$name" ] || fail "the program's folder is still there"
  [ -z "$(shortcuts)" ] || fail "the Start-menu shortcut is still there: $(shortcuts)"
  [ -z "$(uninstall_entries)" ] || fail "the entry under installed apps is still there"
  [ -z "$(products)" ] || fail "the product is still registered"
  ! "$WINE" reg query 'HKLM\Software\Orvane' >/dev/null 2>&1 || fail "HKLM\\Software\\Orvane is still there"
}
