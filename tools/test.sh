#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test once: the unit and GUI tests under
# AddressSanitizer and UndefinedBehaviorSanitizer (each GUI test on a virtual desktop of its
# own, so they run side by side), the tests of the program as users get it (install, package,
# start-up) from the plain build, and the fuzz targets for a few seconds each. A failing or
# unexpectedly skipped test fails the run; nothing is run twice. Ends with the slowest tests
# and the time of each stage.
set -euo pipefail
cd "$(dirname "$0")/.."
# The tests check English texts, whatever the machine's locale.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
jobs=$(nproc)
logs=$PWD/build/test-logs
stages=()
failed_stages=()
passed=0
failed=0

summary() {
  local status=$?
  [ -d "$logs" ] || exit "$status"
  echo
  echo "The ten slowest tests:"
  cat "$logs"/*.times 2>/dev/null | sort -rn | head -n 10 |
    awk '{ printf "  %8.2f s  %-16s %s\n", $1, $2, $3 }'
  echo "Time per stage:"
  printf '  %s\n' "${stages[@]}"
  [ ${#failed_stages[@]} -eq 0 ] || echo "Failed: ${failed_stages[*]}"
  echo "tests: $passed passed, $failed failed"
  [ "$status" -ne 0 ] || [ "$failed" -eq 0 ] || status=1
  exit "$status"
}

stage() { # name command...
  local name=$1 start=$SECONDS
  shift
  "$@"
  stages+=("$(printf '%-16s %5d s' "$name" $((SECONDS - start)))")
}

# Runs ctest in a tree; records the counts, each test's time and the skips no machine here
# should need (the only one allowed: files the superuser can read anyway).
run_tests() { # name tree ctest-arguments...
  local name=$1 tree=$2 start=$SECONDS
  shift 2
  local out=$logs/$name.out status=0
  ctest --test-dir "$tree" --output-on-failure -j"$jobs" "$@" 2>&1 | tee "$out" || status=$?
  sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .* \([0-9.]*\) sec$/\2 '"$name"' \1/p' \
    "$out" >"$logs/$name.times"
  local total fails
  total=$(sed -n 's/.*tests failed out of \([0-9]*\)$/\1/p' "$out" | tail -n 1)
  fails=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$out" | tail -n 1)
  [ -n "$total" ] || { total=1 fails=1; }
  cp "$tree/Testing/Temporary/LastTest.log" "$logs/$name.log"
  local skips
  skips=$(grep -h '^SKIP ' "$logs/$name.log" | grep -v 'the superuser reads every file' || true)
  if [ -n "$skips" ]; then
    echo "Skipped where they should run:" >&2
    echo "$skips" >&2
    fails=$((fails + $(grep -c . <<<"$skips")))
  fi
  passed=$((passed + total - ${fails:-0}))
  failed=$((failed + ${fails:-0}))
  [ "$status" -eq 0 ] && [ "${fails:-0}" -eq 0 ] || failed_stages+=("$name")
  stages+=("$(printf '%-16s %5d s' "$name" $((SECONDS - start)))")
}

# Ninja for a new tree; one made before keeps its generator.
generator() { [ -f "$1/CMakeCache.txt" ] || echo "-G Ninja"; }

stage deps bash tools/deps.sh
mkdir -p "$logs"
trap summary EXIT

# No library includes one it may not use (the table in docs/architecture.md).
stage layers bash tools/check-layers.sh

# The plain build: only the program and its folder, for the tests of what users get. It is
# hardened as the Debian package is, since the package's test packs its program.
stage build-plain bash -c 'cmake -S . -B build '"$(generator build)"' -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLARKSPAN_WERROR=ON -DLARKSPAN_BENCH=OFF -DLARKSPAN_HARDEN=ON >/dev/null &&
  cmake --build build -j'"$jobs"' --target larkspan larkspan_files'
# Everything else under the sanitizers; -O1 with line tables only compiles in half the time
# of -O2 -g and still names the line of a finding.
stage build-asan bash -c 'cmake -S . -B build-asan '"$(generator build-asan)"' -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DLARKSPAN_WERROR=ON \
  -DLARKSPAN_SANITIZE=ON -DLARKSPAN_BENCH=OFF >/dev/null && cmake --build build-asan -j'"$jobs"
# The fuzz targets need clang; their tests replay the seeds and fuzz for a few seconds.
stage build-fuzz bash -c 'CC=clang CXX=clang++ cmake -S . -B build-fuzz '"$(generator build-fuzz)"' \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLARKSPAN_WERROR=ON -DLARKSPAN_FUZZ=ON \
  -DLARKSPAN_BENCH=OFF >/dev/null && cmake --build build-fuzz -j'"$jobs"' --target fuzz_bmp \
  fuzz_targetsplit fuzz_profile fuzz_connectionstring fuzz_skincolor fuzz_menurules'

run_tests fuzz build-fuzz -L fuzz
# Any sanitizer report fails its test.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
run_tests unit build-asan -L unit --timeout 300
run_tests gui build-asan -L gui -LE "install|program" --timeout 600
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS
run_tests program build -L "install|program" --timeout 600
