#!/usr/bin/env bash
# msi-upgrade.sh MSI VERSION NEWER_MSI NEWER_VERSION FOLDER: run by with-wine.sh --script.
# The newer installer, under the same upgrade code, replaces the installed older version, so
# that installed apps list the game once; the older one then refuses to install over it; the
# newer one's removal leaves nothing behind.
set -u
msi=$1 version=$2 newer=$3 newer_version=$4 folder=$5
source "$(dirname "$0")/msi-lib.sh"

"$WINE" msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i of $version failed"
installed_once "$folder" "$version"
"$WINE" msiexec /i "$(windows_path "$newer")" /qn || fail "msiexec /i of $newer_version failed"
installed_once "$folder" "$newer_version"
! "$WINE" msiexec /i "$(windows_path "$msi")" /qn || fail "$version installed over $newer_version"
installed_once "$folder" "$newer_version"
"$WINE" msiexec /x "$(windows_path "$newer")" /qn || fail "msiexec /x of $newer_version failed"
removed "$folder"
echo "msi-upgrade: $newer_version replaced $version, which then did not install over it"
