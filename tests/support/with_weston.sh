#!/usr/bin/env bash
# Runs a command as a native Wayland client of a compositor of its own (a
# headless weston drawing with pixman), with Qt's Wayland platform. Exits
# 77, a skip to CTest, when weston or Qt's Wayland plug-in is missing.
set -euo pipefail
command -v weston > /dev/null || { echo "SKIPPED: weston is missing (scripts/setup.sh installs it)"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so > /dev/null 2>&1 ||
  { echo "SKIPPED: Qt's Wayland plug-in is missing (qt6-wayland; scripts/setup.sh installs it)"; exit 77; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket="yq-test-$$"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --use-pixman --socket="$socket" \
  --width=1600 --height=1000 --idle-time=0 > "$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2> /dev/null || true; wait 2> /dev/null || true; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do [ -S "$runtime/$socket" ] && break; sleep 0.1; done
[ -S "$runtime/$socket" ] || { echo "SKIPPED: weston did not start: $(tail -1 "$runtime/weston.log")"; exit 77; }
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
# A headless compositor has no seat (no keyboard, no pointer), and Qt 6.4's
# Wayland text input then draws an entry's cursor through a missing input
# device and crashes; a desktop always has a seat. The compose input
# method leaves that path out.
export QT_IM_MODULE=compose
unset DISPLAY
"$@"
