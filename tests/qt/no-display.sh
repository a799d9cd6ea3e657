#!/bin/sh
# Without a usable display the program must say why and exit with 1, never crash or hang.
expect() {  # expect MESSAGE_START ENVIRONMENT...
  start=$1
  shift
  output=$(timeout 10 env "$@" "$game" 2>&1 >/dev/null)
  status=$?
  case "$status:$output" in
    "1:orvane-tictactoe: cannot open the "*"display$start"*) ;;
    *) echo "env $*: exit status $status, message: $output" >&2; exit 1 ;;
  esac
}
game=$1
dir=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; rm -rf "$dir"' EXIT
expect ": DISPLAY is not set" -u DISPLAY
expect ": DISPLAY is not set" DISPLAY=
expect " \":9713\": is an X server running there?" DISPLAY=:9713
# A Wayland session whose compositor is not there, asked for or found from the session.
expect " \"nowhere\": is a compositor running there?" -u DISPLAY QT_QPA_PLATFORM=wayland \
  WAYLAND_DISPLAY=nowhere XDG_RUNTIME_DIR="$dir"
expect " \"$dir/gone\": is a compositor running there?" -u DISPLAY XDG_SESSION_TYPE=wayland \
  WAYLAND_DISPLAY="$dir/gone"

# A server that wants a cookie the program does not have: it must say the server refused it.
xauth -q -f "$dir/cookie" add :0 . 0123456789abcdef0123456789abcdef
mkfifo "$dir/display"
Xvfb -displayfd 3 -auth "$dir/cookie" -nolisten tcp 3>"$dir/display" 2>/dev/null &
server=$!
read -r display <"$dir/display" || { echo "Xvfb did not start" >&2; exit 1; }
expect " \":$display\": the X server refused the connection (Authorization required" \
  DISPLAY=":$display" XAUTHORITY="$dir/none"
