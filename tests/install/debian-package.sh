#!/usr/bin/env bash
# `cpack -G DEB`: a package that lintian finds no error in, that holds every file the install
# puts under /usr, that depends on the package of every library the program links and on the
# fonts it finds by name (and recommends the opener of its links and Qt's Wayland plugins);
# and `cmake --install` under another prefix.
source "$(dirname "$0")/checks.sh"
build=$1 cmake=$2 cpack=$3 PROBE=$4
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT

version=$("$build/orvane-tictactoe" --version | awk '{ print $NF }')
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$staging/out" >"$staging/cpack.log" ||
  { cat "$staging/cpack.log" >&2; fail "cpack"; }
deb=$staging/out/orvane-tictactoe_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb"); made: $(ls "$staging/out")"

[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section)"
depends=$(dpkg-deb -f "$deb" Depends)
# The packages that hold the libraries the program asks for by name (libQt6Widgets.so.6 ...),
# each where the loader finds it.
needed=$(readelf -d "$build/orvane-tictactoe" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
linked=$(ldd "$build/orvane-tictactoe" | awk 'NR == FNR { needed[$1] = 1; next } ($1 in needed) { print $3 }' \
  <(echo "$needed") - | while read -r path; do
    dpkg -S "$path" 2>/dev/null || dpkg -S "$(realpath "$path")"
  done | sed 's/:.*//' | sort -u)
echo "$linked" | grep -q '^libqt6widgets6$' || fail "the program does not link Qt Widgets: $linked"
for needed in $linked fonts-liberation fonts-comic-neue; do
  echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/[ (|].*//' | grep -qx "$needed" ||
    fail "the package does not depend on $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "xdg-utils, qt6-wayland" ] ||
  fail "the package recommends $(dpkg-deb -f "$deb" Recommends), not xdg-utils and qt6-wayland"
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -ge 3 ] || fail "the description is one line"

lintian --tag-display-limit 0 "$deb" >"$staging/lintian.log" 2>&1
! grep -q '^E:' "$staging/lintian.log" || { cat "$staging/lintian.log" >&2; fail "lintian errors"; }

# Every file that `cmake --install --prefix /usr` puts down is in the package, and no other.
DESTDIR=$staging/installed "$cmake" --install "$build" --prefix /usr >/dev/null || fail "install"
(cd "$staging/installed" && find . -type f | sort) >"$staging/installed.list"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $NF }' | sort >"$staging/package.list"
diff "$staging/installed.list" "$staging/package.list" >&2 || fail "the package's files differ"

dpkg-deb -x "$deb" "$staging/extracted" || fail "dpkg-deb -x"
check_tree "$staging/extracted/usr" /usr games/orvane-tictactoe

# Under any prefix but /usr the program goes to bin/.
DESTDIR=$staging/own "$cmake" --install "$build" --prefix /opt/orvane >/dev/null || fail "install under /opt/orvane"
check_tree "$staging/own/opt/orvane" /opt/orvane bin/orvane-tictactoe
[ ! -e "$staging/own/opt/orvane/games" ] || fail "a games/ folder outside /usr"
