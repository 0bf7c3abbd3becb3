#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "start: no display found (DISPLAY/WAYLAND_DISPLAY unset); start the program from your desktop session." >&2
  exit 1
fi
exec build/bin/yq "$@"
