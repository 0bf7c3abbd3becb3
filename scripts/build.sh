#!/usr/bin/env bash
# Configures and builds the project into ./build (Release with debug info).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYQ_BUILD_TESTS=ON -DYQ_BUILD_BENCHMARKS=ON "$@" >/dev/null
cmake --build build -j "$(nproc)"
