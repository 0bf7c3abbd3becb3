#!/usr/bin/env bash
# Configures and builds the project into ./build: the "dev" preset of
# CMakePresets.json (Release with debug info, tests and benchmarks, warnings
# as errors). Extra arguments go to the configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev "$@" >/dev/null
cmake --build --preset dev -j "$(nproc)"
