#!/bin/sh
# Runs the program without a usable display and checks that it says so and exits with 1:
# once with DISPLAY unset, once with DISPLAY naming a server that does not exist.
program=$1
failed=0

check() {
  label=$1
  shift
  output=$(timeout 10 "$@" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 1 ]; then
    echo "$label: exit status $status, expected 1" >&2
    failed=1
  fi
  case $output in
    "orvane-tictactoe: cannot open the display"*) ;;
    *) echo "$label: unexpected message: $output" >&2; failed=1 ;;
  esac
}

check "DISPLAY unset" env -u DISPLAY "$program"
check "DISPLAY :9713" env DISPLAY=:9713 "$program"
check "DISPLAY empty" env DISPLAY= "$program"
exit $failed
