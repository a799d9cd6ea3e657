#!/usr/bin/env bash
# Runs a command with an accessibility bus of its own, as a desktop session has one: a
# private session bus, and on it the AT-SPI bus launcher, which starts the accessibility
# bus and its registry. Needs a display ($DISPLAY, for instance from with-xvfb.sh), on whose
# root window the launcher names the bus. With --session-only, only the session bus is
# started: an accessibility bus could then be activated on it, but none runs. Everything
# started here is stopped afterwards.
set -u
session_only=""
if [ "${1:-}" = "--session-only" ]; then session_only=1; shift; fi
launcher=/usr/libexec/at-spi-bus-launcher
for needed in dbus-daemon dbus-send "$launcher"; do
  command -v "$needed" >/dev/null 2>&1 ||
    { echo "with-accessibility-bus: $needed is missing (apt-get install dbus-daemon at-spi2-core)" >&2; exit 1; }
done
[ -n "${DISPLAY:-}" ] || { echo "with-accessibility-bus: no display" >&2; exit 1; }
work=$(mktemp -d)
mkfifo "$work/address"
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/address" 2>"$work/bus.log" &
bus=$!
launched=""
stop() {
  [ -z "$launched" ] || kill "$launched" 2>/dev/null
  [ -z "$launched" ] || wait "$launched" 2>/dev/null
  kill "$bus" 2>/dev/null
  wait "$bus" 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT
if ! read -r -t 20 address <"$work/address" || [ -z "$address" ]; then
  echo "with-accessibility-bus: the session bus did not start" >&2
  exit 1
fi
export DBUS_SESSION_BUS_ADDRESS=$address
unset AT_SPI_BUS_ADDRESS NO_AT_BRIDGE
if [ -n "$session_only" ]; then "$@"; exit; fi
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
launched=$!
# The launcher owns its name once the accessibility bus is up; wait for that, within bounds.
owned() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
tries=100
until owned; do
  ((--tries > 0)) || { echo "with-accessibility-bus: no accessibility bus:" >&2; cat "$work/launcher.log" >&2; exit 1; }
  sleep 0.1
done
"$@"
