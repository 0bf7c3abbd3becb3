#!/usr/bin/env bash
# Runs a command with the program's windows on the accessibility bus as a
# screen reader sees them: a display of its own (Xvfb), a private D-Bus
# session with the accessibility bus of at-spi2-core enabled, and the
# program yq started there in a new working folder of its own.
#
#   run_on_bus.sh YQ_PROGRAM COMMAND ...
#
# COMMAND runs with DISPLAY and DBUS_SESSION_BUS_ADDRESS set, YQ_WORK the
# program's working folder and YQ_PID its process. Exits 77 (a skip to CTest), saying why, when the bus
# or the display cannot be started here; otherwise with COMMAND's status.
set -euo pipefail
program=${1:?usage: run_on_bus.sh YQ_PROGRAM COMMAND ...}
shift

skip() {
  echo "SKIPPED: $*"
  exit 77
}
for tool in Xvfb dbus-daemon /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" > /dev/null || skip "$tool is missing (scripts/setup.sh installs it)"
done
/usr/bin/python3 -c "import gi; gi.require_version('Atspi', '2.0')" 2> /dev/null ||
  skip "python3-gi with gir1.2-atspi-2.0 is missing (scripts/setup.sh installs it)"

runtime=$(mktemp -d)
chmod 700 "$runtime"
work="$runtime/work"
mkdir "$work"
export YQ_WORK="$work"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  wait 2> /dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT

# A display number of our own: the first free one from 90 on.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1600x1000x24 -nolisten tcp > "$runtime/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$display" ] || skip "Xvfb did not start: $(tail -1 "$runtime/xvfb.log")"
export DISPLAY=":$display"

export XDG_RUNTIME_DIR="$runtime"
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2> "$runtime/dbus.log") ||
  skip "no D-Bus session could be started: $(tail -1 "$runtime/dbus.log")"
DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | sed -n 1p)
pids+=("$(echo "$bus" | sed -n 2p)")
export DBUS_SESSION_BUS_ADDRESS
# Turn the accessibility bus on, as a desktop does when a screen reader runs.
if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:IsEnabled variant:boolean:true > /dev/null 2> "$runtime/a11y.log"; then
  skip "the accessibility bus did not start: $(tail -1 "$runtime/a11y.log")"
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME

(cd "$work" && exec "$program") > "$runtime/yq.log" 2>&1 &
YQ_PID=$!
pids+=("$YQ_PID")
export YQ_PID
status=0
"$@" || status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
  echo "--- the program's output:"
  cat "$runtime/yq.log"
fi
exit "$status"
