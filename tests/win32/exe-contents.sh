#!/bin/sh
# exe-contents.sh EXE VERSION OBJDUMP ARCH IMPORTS: the program stands alone on Windows 7 SP1
# and later: every function it imports is one of IMPORTS (DLL!Function lines, exports of
# Windows 7 SP1 that the project keeps), and it carries its version and a manifest for ARCH
# (x86 or amd64) that names Windows 7 among its systems.
set -u
exe=$1 version=$2 objdump=$3 arch=$4 allowed=$5
fail() { echo "exe-contents: FAILED: $*" >&2; exit 1; }
imports=$("$objdump" -p "$exe" |
  awk '/DLL Name:/ { dll = tolower($3); next } dll && /^\t[0-9a-f]+\t/ { print dll "!" $NF }' | sort -u)
[ -n "$imports" ] || fail "no import table read from $exe"
unknown=$(echo "$imports" | grep -vxF -f "$allowed")
[ -z "$unknown" ] || fail "imports what Windows 7 SP1 may lack:" $unknown
manifest=$(strings "$exe")
strings -el "$exe" | grep -qx "Orvane's Tic Tac Toe" || fail "no product name in the version resource"
strings -el "$exe" | grep -qx "$version" || fail "no version $version in the version resource"
echo "$manifest" | grep -q "name=\"Orvane.TicTacToe\" .* processorArchitecture=\"$arch\"" ||
  fail "the manifest is not for $arch"
echo "$manifest" | grep -q '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' || fail "the manifest omits Windows 7"
echo "$manifest" | grep -q '>PerMonitorV2<' || fail "no per-monitor DPI awareness in the manifest"
echo "$manifest" | grep -q 'Microsoft.Windows.Common-Controls' || fail "no common controls 6 in the manifest"
echo "imports $(echo "$imports" | wc -l) functions of $(echo "$imports" | cut -d'!' -f1 | sort -u | tr '\n' ' ')"
