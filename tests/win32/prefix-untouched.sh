#!/bin/sh
# prefix-untouched.sh PREFIX: after the tests, the shared Wine prefix holds exactly what it held
# when it was made. Each test runs in a copy of it; a file that a program changed through that
# copy would reach the next test and the next run of the tests.
set -u
prefix=$1
[ -e "$prefix/.ready" ] || { echo "prefix-untouched: no prefix at $prefix" >&2; exit 1; }
changed=$(find "$prefix" -type f -newer "$prefix/.ready")
if [ -n "$changed" ]; then
  echo "prefix-untouched: FAILED: changed since the prefix was made:" $changed >&2
  exit 1
fi
