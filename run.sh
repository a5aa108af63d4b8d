#!/usr/bin/env bash
# Builds the editor and starts it on GAMEFILE, or, when none is given, on a synthetic
# sample game file (release 1.07-US, invented values) written to build/sample/VORN2.EXE.
set -euo pipefail
cd "$(dirname "$0")"
echo "Building vorn2edit in build/ ..." >&2
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vorn2edit make_sample >/dev/null
if [ "$#" -eq 0 ]; then
  mkdir -p build/sample
  [ -f build/sample/VORN2.EXE ] || ./build/make_sample build/sample/VORN2.EXE
  set -- build/sample/VORN2.EXE
fi
exec ./build/vorn2edit "$@"
