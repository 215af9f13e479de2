#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, unit and GUI, on a
# virtual X display with a window manager and a tray host.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLARKSPAN_WERROR=ON
cmake --build build -j"$(nproc)"
# The fuzz targets need clang; their tests replay the seeds and fuzz for a few seconds.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLARKSPAN_WERROR=ON -DLARKSPAN_FUZZ=ON -DLARKSPAN_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)" --target fuzz_bmp fuzz_targetsplit fuzz_profile \
  fuzz_connectionstring

. tools/xsession.sh
start_virtual_desktop
ctest --test-dir build-fuzz -L fuzz --output-on-failure
cd build
ctest --output-on-failure --timeout 600
