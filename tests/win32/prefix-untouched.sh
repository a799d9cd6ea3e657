#!/bin/sh
# prefix-untouched.sh PREFIX: after the tests, the shared Wine prefix holds exactly what it held
# when it was made. Each test runs in a copy of it; a file that a program changed through that
# copy would reach the next test and the next run of the tests.
set -u
prefix=$1
# with-wine.sh marks a finished prefix with a file named .ready and what it holds.
ready=$(find "$prefix" -maxdepth 1 -name '.ready*' -print -quit 2>/dev/null)
[ -n "$ready" ] || { echo "prefix-untouched: no prefix at $prefix" >&2; exit 1; }
changed=$(find "$prefix" -type f -newer "$ready")
if [ -n "$changed" ]; then
  echo "prefix-untouched: FAILED: changed since the prefix was made:" $changed >&2
  exit 1
fi
