#!/usr/bin/env bash
# Times `yq-calc --batch` on the same 20,000 generated designs (Imperial and
# Metric, with and without a measured bandwidth, some partial recalculations)
# through the process, text in and out included, for one or two builds, and
# checks that both builds print the same results.
#
#   bench/batch_speed.sh NEW_YQ_CALC [OLD_YQ_CALC] [DESIGNS]
set -euo pipefail
new=${1:?usage: batch_speed.sh NEW_YQ_CALC [OLD_YQ_CALC] [DESIGNS]}
old=${2:-}
count=${3:-20000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A fixed linear congruential generator, so that every run sees the same lines.
awk -v n="$count" 'BEGIN {
  s = 12345
  for (i = 0; i < n; i++) {
    s = (s * 1103515245 + 12345) % 2147483648; f = 1 + s % 29900
    s = (s * 1103515245 + 12345) % 2147483648; cd = 50 + s % 500
    s = (s * 1103515245 + 12345) % 2147483648; ld = 200 + s % 1000
    s = (s * 1103515245 + 12345) % 2147483648; wd = 100 + s % 800
    s = (s * 1103515245 + 12345) % 2147483648; mbw = (s % 3 == 0) ? 0 : s % 500
    s = (s * 1103515245 + 12345) % 2147483648; kind = s % 10
    if (kind < 6) {
      printf "F=%d.%03d CD=%d.%02d LD=%d.%02d WD=0.0%03d SP=0.0%03d CCD=%d.%02d MBW=%d FAC=2 DPS=6\n",
             f / 100, (f % 100) * 10, cd / 100, cd % 100, ld / 100, ld % 100, wd, wd + 50, cd / 100, cd % 100, mbw
    } else if (kind < 9) {
      printf "--metric F=%d.%03d CD=%d.%d LD=%d.%02d WD=%d.%02d SP=%d.%02d CCD=%d.%d MBW=%d\n",
             f / 100, (f % 100) * 10, cd / 2, cd % 10, ld / 100, ld % 100, wd / 400, wd % 100, wd / 300, wd % 100, cd / 2, cd % 10, mbw
    } else {
      printf "--partial coil-from-turns F=%d.%03d NT=%d.%02d SP=0.0%03d CCD=%d.%02d\n",
             f / 100, (f % 100) * 10, ld / 10, ld % 100, wd, cd / 100, cd % 100
    }
  }
}' > "$work/in.txt"

# Best of five runs: "CPU WALL", processor time (task-clock from perf when
# present, else user + system from time) and elapsed time in microseconds. The processor time is the figure to compare on a
# machine that others share.
run() {
  local program=$1 out=$2 best_cpu="" best_wall=""
  for _ in 1 2 3 4 5; do
    local start end cpu
    start=$(date +%s%N)
    if command -v perf > /dev/null; then
      # task-clock in milliseconds, to the microsecond
      cpu=$(perf stat -x, -e task-clock "$program" --batch < "$work/in.txt" 2>&1 > "$out" |
            awk -F, '/task-clock/ { printf "%d", $1 * 1000 }')
    else
      cpu=$(/usr/bin/time -f "%U %S" "$program" --batch < "$work/in.txt" 2>&1 > "$out" | tail -1 |
            awk '{ printf "%d", ($1 + $2) * 1000000 }')
    fi
    end=$(date +%s%N)
    local wall=$(( (end - start) / 1000 ))
    if [[ -z $best_cpu || $cpu -lt $best_cpu ]]; then best_cpu=$cpu; fi
    if [[ -z $best_wall || $wall -lt $best_wall ]]; then best_wall=$wall; fi
  done
  echo "$best_cpu $best_wall"
}

report() {
  printf '%s: %7.2f us CPU, %7.2f us elapsed per design (%s)\n' "$1" \
    "$(echo "$2 / $count" | bc -l)" "$(echo "$3 / $count" | bc -l)" "$4"
}

read -r cpu_new wall_new < <(run "$new" "$work/new.txt")
report new "$cpu_new" "$wall_new" "$new"
if [[ -n $old ]]; then
  read -r cpu_old wall_old < <(run "$old" "$work/old.txt")
  report old "$cpu_old" "$wall_old" "$old"
  printf 'old / new: %.2f (CPU), %.2f (elapsed)\n' "$(echo "$cpu_old / $cpu_new" | bc -l)" \
    "$(echo "$wall_old / $wall_new" | bc -l)"
  if cmp -s "$work/old.txt" "$work/new.txt"; then
    echo "outputs identical ($(wc -l < "$work/new.txt") lines)"
  else
    echo "OUTPUTS DIFFER" >&2
    diff <(head -c 100000000 "$work/old.txt") "$work/new.txt" | head -5 >&2
    exit 1
  fi
fi
