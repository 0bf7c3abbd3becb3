#!/usr/bin/env bash
# Configures and builds the project into ./build (Release with debug info).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYQ_BUILD_TESTS=ON -DYQ_BUILD_BENCHMARKS=ON "$@" >/dev/null
cmake --build build -j "$(nproc)"
