#!/bin/bash
# The game read from outside by a real accessibility client: an X server of its own (Xvfb), a
# private D-Bus session bus, the AT-SPI bus and registry (at-spi2-core), the game with reel stops
# that win, and the walker (a11ywalk.py, pyatspi). Settings go to a temporary home. Every process
# started here is stopped by its own process id at the end, also when something fails.
#
#   tests/a11y.sh <game binary> <walker>
set -u
game=$1
walker=$2
source "$(dirname "$0")/../tools/desktopsession.sh"

# Waits (bounded) until a file has something in it.
waitfor() {
  for _ in $(seq 200); do [ -s "$1" ] && return 0; sleep 0.05; done
  echo "a11y: $2 did not start"; cat "$work"/*.log 2>/dev/null; exit 1
}

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM AT_SPI_BUS_ADDRESS

startdisplay 1024x768

dbus-daemon --session --nofork --nopidfile --print-address=3 3> "$work/bus" 2> "$work/dbus.log" &
pids+=($!)
waitfor "$work/bus" "the session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")

# The launcher runs the accessibility bus (and stops it when it is stopped); the registry is
# started here, so it is ours to stop.
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 2> "$work/launcher.log" &
pids+=($!)
for _ in $(seq 200); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress > "$work/a11ybus" 2>/dev/null && break
  sleep 0.05
done
grep -q string "$work/a11ybus" || { echo "a11y: the accessibility bus did not start"; cat "$work/launcher.log"; exit 1; }
/usr/libexec/at-spi2-registryd > "$work/registry.log" 2>&1 &
pids+=($!)

# A win of J on line 1, then the pay-setting draw.
script="$(stop 5),$(stop 5),$(stop 5),$(stop 11),$(stop 6),0.0"
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ZELSLOTS_SCRIPT=$script "$game" 2> "$work/game.log" &
pids+=($!)

/usr/bin/python3 "$walker"
status=$?
if [ $status -ne 0 ]; then
  echo "--- the game said:"; cat "$work/game.log"
  echo "--- the X server said:"; cat "$work/xvfb.log"
fi
exit $status
