#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target for a fixed number of executions (10 million unless given), one
# after another, and prints executions and executions per second for each; then, unless
# targets are named, the file-safety tests with their long rounds between processes (200
# writers killed, 1,000 writes of two processes at once):
#   bash tools/fuzz-long.sh [runs] [target ...]
# What a target finds is kept in build-fuzz/tests/fuzz/<target>-corpus and the crash files
# next to it; the logs go to run-output/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10000000}
shift || true
targets=("$@")
named=${#targets[@]}
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_bmp fuzz_targetsplit fuzz_profile fuzz_connectionstring fuzz_skincolor
    fuzz_menurules)
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLARKSPAN_FUZZ=ON -DLARKSPAN_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}" >/dev/null
mkdir -p run-output/fuzz

# ASan keeps every allocation's stack, and its store of them grows without end over
# millions of inputs until libFuzzer's memory limit stops the run. Without the stacks a
# finding is still reported; run its crash file again for the allocation's stack.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0}
status=0
for target in "${targets[@]}"; do
  dir=build-fuzz/tests/fuzz
  seeds=tests/fuzz/corpus/${target#fuzz_}
  log=run-output/fuzz/$target.log
  start=$(date +%s.%N)
  if build-fuzz/bin/$target -runs="$runs" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$dir/$target-" "$dir/$target-corpus" "$seeds" >"$log" 2>&1; then
    verdict=clean
  else
    verdict="FAILED (see $log)"
    status=1
  fi
  seconds=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
  done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(awk -v n="${done_runs:-0}" -v s="$seconds" 'BEGIN { printf "%d", n / s }')
  printf '%-24s %12s runs %8.0f s %8s/s  %s\n' "$target" "${done_runs:-?}" "$seconds" "$rate" \
    "$verdict"
done
if [ "$named" -eq 0 ]; then
  cmake --build build-fuzz -j"$(nproc)" --target tst_safefile >/dev/null
  log=run-output/fuzz/tst_safefile.log
  start=$(date +%s)
  if LARKSPAN_LONG_ROUNDS=1 QT_QPA_PLATFORM=offscreen build-fuzz/bin/tst_safefile >"$log" 2>&1; then
    verdict=clean
  else
    verdict="FAILED (see $log)"
    status=1
  fi
  printf '%-24s %12s %13.0f s %10s  %s\n' "tst_safefile long rounds" "" "$(($(date +%s) - start))" \
    "" "$verdict"
fi
exit $status
