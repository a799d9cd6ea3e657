#!/bin/sh
# exe-contents.sh EXE VERSION: the program stands alone on any Windows: it imports only DLLs
# that every Windows has, and carries its version and its manifest.
set -u
exe=$1 version=$2
fail() { echo "exe-contents: FAILED: $*" >&2; exit 1; }
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | sort)
[ -n "$imports" ] || fail "no import table read from $exe"
for dll in $imports; do
  case $dll in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | shell32.dll | ole32.dll | oleaut32.dll | \
      oleacc.dll | msvcrt.dll) ;;
    *) fail "imports $dll, which is not part of every Windows" ;;
  esac
done
strings -el "$exe" | grep -qx "Orvane's Tic Tac Toe" || fail "no product name in the version resource"
strings -el "$exe" | grep -qx "$version" || fail "no version $version in the version resource"
strings "$exe" | grep -q '>PerMonitorV2<' || fail "no per-monitor DPI awareness in the manifest"
strings "$exe" | grep -q 'Microsoft.Windows.Common-Controls' || fail "no common controls 6 in the manifest"
echo "imports: $(echo $imports)"
