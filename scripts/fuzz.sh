#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer) into ./build-fuzz and runs each of them on its
# seed corpus (tests/fuzz/corpus/<target>) for a bounded number of inputs.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET ...]
#
# The targets are those of tests/fuzz/CMakeLists.txt (YQ_FUZZ_TARGETS). Each
# runs 100,000 inputs (YQ_FUZZ_RUNS changes that; the test command runs
# 3,000), or for SECONDS_PER_TARGET (default 3600) if that comes first.
# New inputs that reach new code go to
# build-fuzz/corpus/<target> (not to the source tree); a crash, a failed
# check, a leak or an input slower than the time limit stops the target and
# leaves the input in build-fuzz/findings/<target>/. Copy a finding into
# tests/fuzz/corpus/<target>/ (named finding-...) to keep it as a test.
# Exits non-zero when any target found something.
#
# YQ_FUZZ_SEED=N makes a run repeatable: the same binary with the same seed
# tries the same inputs in the same order (the test command uses a fixed
# seed, so that its short run finds nothing a longer run with that seed
# did not already find).
#
# With a fixed seed and a fresh work folder a run bounded by inputs is the
# same on every machine (the test command's short run is, so that CI tries
# exactly the inputs a run here tried).
#
# YQ_FUZZ_KEEP_GOING=1 runs each target in libFuzzer's fork mode, which goes
# on after a finding and saves every one, for surveys of a branch that still
# has known findings.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-3600}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  # One list of targets: the build's.
  read -r -a targets < <(python3 -c 'import re, sys
m = re.search(r"set\(YQ_FUZZ_TARGETS([^)]*)\)", open(sys.argv[1]).read())
print(" ".join(m.group(1).split()) if m else "")' tests/fuzz/CMakeLists.txt)
  [ ${#targets[@]} -gt 0 ] || { echo "fuzz: no YQ_FUZZ_TARGETS in tests/fuzz/CMakeLists.txt" >&2; exit 1; }
fi
runs_per_target="${YQ_FUZZ_RUNS:-100000}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Qt's hashes are seeded at random in every process; a fixed seed keeps a
# seeded run repeatable.
if [ -n "${YQ_FUZZ_SEED:-}" ]; then export QT_HASH_SEED="${QT_HASH_SEED:-0}"; fi
failed=()
for target in "${targets[@]}"; do
  work="build-fuzz/corpus/$target"
  findings="build-fuzz/findings/$target"
  rm -rf "$findings"
  mkdir -p "$work" "$findings"
  log="build-fuzz/$target.log"
  echo "fuzz: $target for ${seconds} s"
  status=0
  keep_going=()
  if [ "${YQ_FUZZ_KEEP_GOING:-0}" = "1" ]; then
    keep_going=(-fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1)
  fi
  # -timeout: no input may take more than a few seconds (with the sanitizers
  # on); -max_len bounds the inputs the fuzzer makes up, not the seeds.
  seed=()
  if [ -n "${YQ_FUZZ_SEED:-}" ]; then seed=(-seed="$YQ_FUZZ_SEED"); fi
  seed+=(-runs="$runs_per_target")
  started=$SECONDS
  "build-fuzz/bin/$target" "${seed[@]}" -max_total_time="$seconds" -timeout=10 -max_len=8192 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "${keep_going[@]}" "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)
  [ -n "$runs" ] || runs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#' || true)
  crashes=$(grep -oE 'oom/timeout/crash: [0-9/]+' "$log" | tail -1 || true)
  [ -z "$crashes" ] || runs="$runs ($crashes)"
  found=$(find "$findings" -type f | wc -l)
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    failed+=("$target")
    echo "fuzz: $target FOUND A PROBLEM after ${runs} runs, ${found} input(s) saved (log $log, input in $findings/):"
    grep -E -A3 'fuzz check failed|ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error|ALARM|out-of-memory' "$log" | head -20 || true
  else
    echo "fuzz: $target clean, ${runs} runs in $((SECONDS - started)) s"
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: findings in ${failed[*]}" >&2
  exit 1
fi
