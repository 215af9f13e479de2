#!/usr/bin/env bash
# Start-up time (exec to the first window mapped), idle resident memory and idle wake-ups of
# the program next to a minimal Qt window, on a virtual display, median of RUNS starts each.
# Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(realpath "${1:-build-rel}")
runs=${2:-11}
cd "$(dirname "$0")/.."
. tools/xsession.sh
start_virtual_desktop

app_folder=$(mktemp -d)
cp -r "$build/larkspan/." "$app_folder/"
rm -f "$app_folder/config.ini"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
measure() {
  local label=$1; shift
  local out
  out=$(for _ in $(seq "$runs"); do "$build/bin/mapwatch" "$@"; done)
  printf '%-16s start %7s ms   idle RSS %7s kB   wake-ups in 3 s idle %s\n' "$label" \
    "$(cut -d' ' -f1 <<<"$out" | median)" "$(cut -d' ' -f2 <<<"$out" | median)" \
    "$(cut -d' ' -f3 <<<"$out" | median)"
}
measure "minimal window" "$build/bin/minimal_window"
measure "minimal + text" "$build/bin/minimal_window" --text
measure "larkspan" "$app_folder/larkspan"
rm -rf "$app_folder"
