#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs all tests, then
# a short run of every fuzz target (20 s each; scripts/fuzz.sh runs longer).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh -DYQ_WERROR=ON
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
YQ_FUZZ_SEED="${YQ_FUZZ_SEED:-20261210}" bash scripts/fuzz.sh "${YQ_FUZZ_SECONDS:-20}"
