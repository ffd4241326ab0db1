#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end: the real program on the desktop accessibility bus. A private D-Bus
# session carries a private accessibility bus (at-spi2-core); the program runs in a
# private X server with its accessibility bridge on, and accessibility_reader.py
# reads the home page and the 3/2 valve page from the bus in order as a screen
# reader would (and prints what it reads), starts the valve's animation with its
# button and hears the animation's description change to the next frame's words,
# moving between the pages with the buttons' press actions.
set -euo pipefail
program=${1:?usage: accessibility.sh PATH_TO_VENTIRO}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

find_tool() {
  local candidate
  for candidate in "$@"; do
    [ -x "$candidate" ] && { echo "$candidate"; return; }
  done
}

if [ -z "${VENTIRO_PRIVATE_SESSION:-}" ]; then
  for tool in Xvfb xdotool xdpyinfo dbus-run-session dbus-send; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
  [ -n "$(find_tool /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher)" ] \
    || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
  [ -n "$(find_tool /usr/libexec/at-spi2-registryd /usr/lib/at-spi2-core/at-spi2-registryd)" ] \
    || { echo "SKIP: at-spi2-core's registry is not installed"; exit 77; }
  # The Debian package is for the system's own python.
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
  # Nothing of the desktop the test runs in (its session bus, its accessibility
  # bus, its display) may leak in.
  unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS DISPLAY WAYLAND_DISPLAY
  VENTIRO_PRIVATE_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

. "$here/x_server.sh"
launcher=
trap 'if [ -n "$launcher" ]; then kill "$launcher" 2>/dev/null || true; fi; cleanup' EXIT
start_x_server || { echo "FAIL: Xvfb did not start"; exit 1; }

# The accessibility bus of this session; its registry starts when the program
# first registers with it.
"$(find_tool /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher)" --launch-immediately \
  >"$work/launcher.log" 2>&1 & launcher=$!
for _ in $(seq 200); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.05
done

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb
start_program "$program"

status=0
/usr/bin/python3 "$here/accessibility_reader.py" "$app" || status=$?

# The home page's exit button, pressed through the bus, ends the program.
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$app" 2>/dev/null; then
  echo "FAIL: the program still runs after its exit button was pressed through the bus"
  status=1
else
  wait "$app" || { echo "FAIL: the program ended with status $?"; status=1; }
  app=
  echo "ok: the exit button's press action ended the program"
fi
if [ "$status" -ne 0 ]; then
  echo "The program printed:"; cat "$work/program.log"
  echo "The accessibility bus launcher printed:"; cat "$work/launcher.log"
fi
exit "$status"
