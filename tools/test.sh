#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, unit and GUI, on a
# virtual X display with a window manager and a tray host.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLARKSPAN_WERROR=ON -DLARKSPAN_FUZZ=ON
cmake --build build -j"$(nproc)"

. tools/xsession.sh
start_virtual_desktop
cd build
ctest --output-on-failure --timeout 600 -j2
