#!/usr/bin/env bash
# Without an X display the program says why it cannot start and fails at once.
# Usage: no-display.sh GAME
set -u
game=$1
err=$(mktemp)
trap 'rm -f "$err"' EXIT
status=0
env -u DISPLAY timeout 10 "$game" </dev/null >/dev/null 2>"$err" || status=$?
if [ "$status" -eq 124 ]; then
  echo "e2e: FAILED: the program still runs 10 s after it started without a display" >&2
  exit 1
fi
if [ "$status" -eq 0 ]; then
  echo "e2e: FAILED: the program exited with status 0 without a display" >&2
  exit 1
fi
if [ "$status" -gt 128 ]; then
  echo "e2e: FAILED: the program died of signal $((status - 128)) without a display" >&2
  exit 1
fi
if ! grep -qi 'display' "$err"; then
  echo "e2e: FAILED: the program's message does not say that the display is missing:" >&2
  cat "$err" >&2
  exit 1
fi
echo "e2e: without a display the program said: $(head -c 200 "$err")"
