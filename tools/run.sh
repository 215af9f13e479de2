#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and starts it from the build folder on its
# bundled defaults. Without a display it runs on a virtual one and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh
generator=()
[ -f build/CMakeCache.txt ] || generator=(-G Ninja)
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target larkspan larkspan_files

program=build/larkspan/larkspan
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$program"
fi

. tools/xsession.sh
start_virtual_desktop
mkdir -p run-output
"$program" &
pid=$!
for _ in $(seq 100); do
  xdotool search --pid "$pid" --onlyvisible >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
import -window root run-output/screen.png
echo "No display here: the program ran on a virtual one; screenshot in run-output/screen.png"
kill "$pid"
wait "$pid" 2>/dev/null || true
