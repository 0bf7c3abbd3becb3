#!/usr/bin/env bash
# Measures how long the program takes from its start until the main window
# is on the screen: starts a private X server (Xvfb), then for each run
# starts build/bin/yq in a fresh working folder with a fresh configuration
# folder (a first run), waits until the main window is mapped, and prints the
# time in milliseconds. Ends with the smallest, median and largest figure.
#
#   scripts/measure-startup.sh [-n RUNS] [--drop-caches] [--binary PATH]
#
# --drop-caches empties the kernel's file cache before every run (root only),
# so the program and its libraries are read from disk as after a reboot.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=5
drop_caches=0
binary=build/bin/yq
while [ $# -gt 0 ]; do
  case "$1" in
    -n) runs="$2"; shift 2 ;;
    --drop-caches) drop_caches=1; shift ;;
    --binary) binary="$2"; shift 2 ;;
    -h|--help) sed -n '2,13p' "$0"; exit 0 ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
done

for tool in Xvfb xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "missing $tool (run scripts/setup.sh)" >&2; exit 1; }
done
[ -x "$binary" ] || { echo "no program at $binary (build it first)" >&2; exit 1; }
binary="$(realpath "$binary")"
if [ "$drop_caches" -eq 1 ] && [ "$(id -u)" -ne 0 ]; then
  echo "--drop-caches needs root" >&2; exit 1
fi

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A private X server on a display number it picks itself (-displayfd), so
# runs never collide with another X server on this machine.
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 200); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' < "$work/display")"
for _ in $(seq 1 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

title='^ZO Duravar Uravaro  Design Calculator'
times=()
for run in $(seq 1 "$runs"); do
  folder="$work/run$run"
  mkdir -p "$folder/config" "$folder/runtime"
  chmod 700 "$folder/runtime"
  if [ "$drop_caches" -eq 1 ]; then sync; echo 3 > /proc/sys/vm/drop_caches; fi

  start=$(now_ms)
  (cd "$folder" && exec env XDG_CONFIG_HOME="$folder/config" XDG_RUNTIME_DIR="$folder/runtime" \
      "$binary" >"$folder/out.log" 2>&1) &
  app_pid=$!
  shown=""
  deadline=$((start + 20000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    if xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; then
      shown=$(now_ms)
      break
    fi
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.005  # leave the processor to the program being measured
  done
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
  if [ -z "$shown" ]; then
    echo "run $run: the main window did not appear" >&2
    cat "$folder/out.log" >&2
    exit 1
  fi
  ms=$((shown - start))
  times+=("$ms")
  echo "run $run: ${ms} ms"
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
count=${#sorted[@]}
echo "runs: $count  min: ${sorted[0]} ms  median: ${sorted[$((count / 2))]} ms  max: ${sorted[$((count - 1))]} ms"
