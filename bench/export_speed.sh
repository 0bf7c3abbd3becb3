#!/usr/bin/env bash
# Times `yq-calc report DESIGN.ini --export` (the email Report without a mail
# program: the report of every user, its page images, the RTF document, the
# HTML page and the mail draft) for a user file of USERS users, for one or
# two builds in turn, and counts the flushes to the disk each makes (strace,
# when present): on a real disk every flush costs milliseconds, which is
# where most of the wall time of a large export goes.
#
#   bench/export_speed.sh NEW_YQ_CALC [OLD_YQ_CALC] [USERS]
set -euo pipefail
new=${1:?usage: export_speed.sh NEW_YQ_CALC [OLD_YQ_CALC] [USERS]}
old=${2:-}
users=${3:-300}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$work"
for i in $(seq 1 "$users"); do echo "add Designer $i W${i}XYZ"; done | while read -r verb name; do
  "$new" users "$verb" "$name"
done
"$new" save F=7.15 CD=2 LD=6 WD=0.04 SP=0.08 CCD=2 > /dev/null

# Best of five: "WALL CPU" in milliseconds; then the flushes of one run.
run() {
  local program=$1 best_wall="" best_cpu=""
  for _ in 1 2 3 4 5; do
    rm -rf VH
    local start end cpu wall
    start=$(date +%s%N)
    cpu=$(/usr/bin/time -f "%U %S" "$program" report 726.ini --export 2>&1 > /dev/null | tail -1 |
          awk '{ printf "%d", ($1 + $2) * 1000 }')
    end=$(date +%s%N)
    wall=$(( (end - start) / 1000000 ))
    if [[ -z $best_wall || $wall -lt $best_wall ]]; then best_wall=$wall; best_cpu=$cpu; fi
  done
  local flushes="?"
  if command -v strace > /dev/null; then
    rm -rf VH
    flushes=$(strace -f -c -e trace=fsync,fdatasync "$program" report 726.ini --export 2>&1 > /dev/null |
              awk '$NF == "fsync" || $NF == "fdatasync" { n += $4 } END { print n + 0 }')
  fi
  echo "$best_wall $best_cpu $flushes"
}

report() {
  local name=$1 program=$2
  read -r wall cpu flushes < <(run "$program")
  printf '%-4s %6d ms wall  %6d ms CPU  %5s flushes  (%d users)\n' "$name" "$wall" "$cpu" "$flushes" "$users"
}

if [[ -n $old ]]; then
  # Alternate, so that both see the same machine.
  report old "$old"
  report new "$new"
  report old "$old"
  report new "$new"
else
  report new "$new"
fi
