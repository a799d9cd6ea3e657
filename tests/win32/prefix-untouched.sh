#!/bin/sh
# prefix-untouched.sh PREFIX: after the tests, the shared Wine prefix holds exactly what it held
# when it was made. Each test runs in a copy of it; a file that a program changed through that
# copy would reach the next test and the next run of the tests.
# with-wine.sh marks a finished prefix with a file named .ready and what it holds.
ready=$(find "$1" -maxdepth 1 -name '.ready*' -print -quit 2>/dev/null)
[ -n "$ready" ] || { echo "prefix-untouched: no prefix at $1" >&2; exit 1; }
changed=$(find "$1" -type f -newer "$ready")
[ -z "$changed" ] || { echo "prefix-untouched: FAILED: changed since it was made:" $changed >&2; exit 1; }
