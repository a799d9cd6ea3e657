#!/usr/bin/env bash
# Without an accessibility bus the program starts nothing for screen readers and costs
# nothing: with no session bus at all, and with a session bus on which an accessibility bus
# could be activated but none runs, it keeps its one thread and its one socket (the X
# connection), starts no process, and the session bus still has no accessibility bus.
source "$(dirname "$0")/../e2e/lib.sh"
GAME=$1
[ -x "$GAME" ] && [ -n "${DISPLAY:-}" ] || fail "usage: $0 GAME, on a display"
GAME_PID=""
trap '[ -z "$GAME_PID" ] || kill "$GAME_PID" 2>/dev/null' EXIT
sockets() { find "/proc/$GAME_PID/fd" -lname 'socket:*' 2>/dev/null | wc -l; }
threads() { ls "/proc/$GAME_PID/task" | wc -l; }
launcher_owned() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}

check() {
  "$GAME" & GAME_PID=$!
  local menu
  menu=$(wait_window "$MENU") || exit 1
  # The menu has drawn and the program waits for input: whatever it was to start, it has.
  press "$menu" Tab
  [ "$(threads)" -eq 1 ] || fail "$1: the program runs $(threads) threads"
  [ "$(sockets)" -eq 1 ] || fail "$1: the program holds $(sockets) sockets, not just the X connection"
  [ -z "$(pgrep -P "$GAME_PID")" ] || fail "$1: the program started $(pgrep -P "$GAME_PID" | xargs ps -o comm= -p)"
  kill "$GAME_PID"
  wait "$GAME_PID" 2>/dev/null
  GAME_PID=""
}

case "${2:-}" in
  "")
    (unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS; check "no session bus")
    "$(dirname "$0")/../support/with-accessibility-bus.sh" --session-only "$0" "$GAME" session
    ;;
  session)
    check "a session bus without an accessibility bus"
    ! launcher_owned || fail "the program had an accessibility bus started"
    ;;
esac
