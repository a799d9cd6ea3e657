#!/usr/bin/env bash
# Runs a command with an accessibility bus of its own, as a desktop session has one: a
# private session bus, and on it the AT-SPI bus launcher, which starts the accessibility
# bus and its registry. Needs a display ($DISPLAY, for instance from with-xvfb.sh), on whose
# root window the launcher names the bus. Everything started here is stopped afterwards.
set -u
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
trap 'kill $launched "$bus" 2>/dev/null; wait $launched "$bus" 2>/dev/null; rm -rf "$work"' EXIT
if ! read -r -t 20 address <"$work/address" || [ -z "$address" ]; then
  echo "with-accessibility-bus: the session bus did not start" >&2
  exit 1
fi
export DBUS_SESSION_BUS_ADDRESS=$address
unset AT_SPI_BUS_ADDRESS NO_AT_BRIDGE
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
