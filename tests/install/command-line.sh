#!/bin/sh
# The real program's answers to --help, --version and a wrong option: their streams and exit
# statuses. None of them needs, or touches, a display.
game=$1
fail() { echo "command line: $*" >&2; exit 1; }
unset DISPLAY

out=$("$game" --help 2>/dev/null); status=$?
[ "$status" -eq 0 ] || fail "--help exits with $status"
case "$out" in "Usage: orvane-tictactoe [OPTION]..."*) ;; *) fail "--help prints: $out" ;; esac
echo "$out" | grep -q -- '-geometry' || fail "--help does not say what becomes of FLTK's options"
echo "$out" | grep -q 'xdg-open (package xdg-utils)' || fail "--help does not say what opens the links"
echo "$out" | grep -q '7 8 9 the top row' || fail "--help does not name the cell keys"

out=$("$game" --version 2>/dev/null); status=$?
[ "$status" -eq 0 ] || fail "--version exits with $status"
echo "$out" | grep -Eqx 'orvane-tictactoe \(Orvane.s Tic Tac Toe\) [0-9]+\.[0-9]+\.[0-9]+' ||
  fail "--version prints: $out"

for wrong in --bogus -geometry; do
  err=$("$game" "$wrong" 2>&1 >/dev/null); status=$?
  [ "$status" -eq 2 ] || fail "$wrong exits with $status"
  [ "$(echo "$err" | wc -l)" -eq 1 ] && echo "$err" | grep -q -- "'$wrong'" ||
    fail "$wrong gives: $err"
  [ -z "$("$game" "$wrong" 2>/dev/null)" ] || fail "$wrong writes to standard output"
done

# The display named on the command line is the one the program tries, $DISPLAY unset or not.
err=$(DISPLAY=:9714 timeout 10 "$game" -display :9713 2>&1 >/dev/null); status=$?
[ "$status" -eq 1 ] && echo "$err" | grep -q '":9713"' || fail "-display :9713 gives $status: $err"
