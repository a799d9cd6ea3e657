#!/usr/bin/env bash
# Runs a command on a private Xvfb server of its own and stops the server afterwards.
# Xvfb picks a free display itself (-displayfd), so several of these can run at once.
# With TTT_XFT_DPI set, the server's resource database gets that Xft.dpi first, as a desktop
# set to that scale has it. A listing of test names needs no display and is passed straight
# through.
set -u
for arg in "$@"; do
  if [ "$arg" = "--gtest_list_tests" ]; then exec "$@"; fi
done
if ! command -v Xvfb >/dev/null 2>&1; then
  echo "with-xvfb: Xvfb is not installed (apt-get install xvfb)" >&2
  exit 1
fi
fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo_dir/display" 2>"$fifo_dir/log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$fifo_dir"' EXIT
display=""
if ! read -r -t 20 display <"$fifo_dir/display" || [ -z "$display" ]; then
  echo "with-xvfb: Xvfb did not start:" >&2
  cat "$fifo_dir/log" >&2
  exit 1
fi
if [ -n "${TTT_XFT_DPI:-}" ] && ! echo "Xft.dpi: $TTT_XFT_DPI" | DISPLAY=":$display" xrdb -merge -nocpp; then
  echo "with-xvfb: cannot set Xft.dpi (is xrdb installed? apt-get install x11-xserver-utils)" >&2
  exit 1
fi
DISPLAY=":$display" "$@"
