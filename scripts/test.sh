#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs all tests, then
# a short run of every fuzz target (3,000 inputs each; scripts/fuzz.sh runs longer).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --preset dev -j "$(nproc)"
# A fixed seed and a bounded number of runs: the same inputs on every machine.
rm -rf build-fuzz/corpus
YQ_FUZZ_SEED="${YQ_FUZZ_SEED:-20261210}" YQ_FUZZ_RUNS="${YQ_FUZZ_RUNS:-3000}" bash scripts/fuzz.sh "${YQ_FUZZ_SECONDS:-300}"
