#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer
# (the asan-ubsan preset) into ./build-asan and runs the whole test suite
# there, the fuzz corpora included. Any finding of the sanitizers fails the
# test that hit it. Extra arguments go to ctest (e.g. -R files).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >/dev/null
# The same options for the test discovery that runs during the build.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
cmake --preset asan-ubsan >/dev/null
cmake --build --preset asan-ubsan
ctest --preset asan-ubsan "$@"
