#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for SECONDS (default
# 60), or only the TARGETs named, on a scratch copy of the seed corpus: generated inputs and
# crashing inputs never land in the repository. Prints per target the runs, the coverage of
# its last status line and its findings; exits 1 when any target found a crash, a leak or a
# hang (the scratch directory with the crashing inputs is then kept and named).
#
# Usage: fuzz/run.sh [SECONDS] [TARGET...]   e.g. fuzz/run.sh 600 value_texts
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: fuzz/run.sh [SECONDS] [TARGET...]" >&2
  exit 2
fi
shift $(( $# > 0 ? 1 : 0 ))
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(profile_reader value_texts set_parser key_translation)
for target in "${targets[@]}"; do
  if [ ! -d "fuzz/corpus/$target" ]; then
    echo "fuzz/run.sh: no target \"$target\" (no fuzz/corpus/$target)" >&2
    exit 2
  fi
done

echo "Building the fuzz targets in build-fuzz/ ..." >&2
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORN_BUILD_FUZZERS=ON -DVORN_BUILD_TESTS=OFF -DVORN_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null

scratch="$(mktemp -d "${TMPDIR:-/tmp}/vorn2-fuzz-run.XXXXXX")"
failed=0
for target in "${targets[@]}"; do
  work="$scratch/$target"
  mkdir -p "$work/corpus" "$work/findings"
  cp fuzz/corpus/"$target"/* "$work/corpus/"
  log="$work/fuzz.log"
  status=0
  ./build-fuzz/fuzz/fuzz_"$target" "$work/corpus" -max_total_time="$seconds" -timeout=30 \
    -print_final_stats=1 -artifact_prefix="$work/findings/" >"$log" 2>&1 || status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)"
  coverage="$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1 || true)"
  findings=("$work"/findings/*)
  [ -e "${findings[0]}" ] || findings=()
  echo "$target: runs ${runs:-?}, ${speed:-?} exec/s, ${coverage:-no coverage line}," \
    "findings ${#findings[@]}"
  if [ "$status" -ne 0 ] || [ "${#findings[@]}" -gt 0 ]; then
    failed=1
    echo "  exit status $status; from $log:"
    grep -E 'ERROR|SUMMARY|what\(\)|#[0-9]+ 0x' "$log" | head -n 20 | sed 's/^/    /'
    for finding in "${findings[@]}"; do echo "  finding: $finding"; done
  fi
done

if [ "$failed" -ne 0 ]; then
  echo "fuzz/run.sh: findings kept in $scratch" >&2
  exit 1
fi
rm -rf "$scratch"
