#!/usr/bin/env bash
# Builds the editor and its tests in BUILD_DIR (default build) and runs them all: the unit
# tests and the end-to-end tests in a real terminal under tmux. Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")"
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
