#!/usr/bin/env bash
# Runs a command on a display of its own (Xvfb, the first free number from
# 80 on) with Qt's X11 platform, for tests that need a real display (a GTK
# platform theme). Exits 77, a skip to CTest, when Xvfb is missing.
set -euo pipefail
command -v Xvfb > /dev/null || { echo "SKIPPED: Xvfb is missing (scripts/setup.sh installs it)"; exit 77; }
display=80
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1600x1000x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null || true; wait 2> /dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
status=0
"$@" || status=$?
rm -rf "$runtime"
exit "$status"
