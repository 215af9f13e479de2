#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (exec to the first window mapped), idle resident memory and idle wake-ups of
# the program next to a minimal Qt window, on a virtual display. The programs start in turn,
# RUNS times each, so that a busy moment of the machine falls on all of them alike; each line
# gives the median and, in brackets, the first start. The last lines give the program's
# figures as multiples of the minimal window's.
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
results=$(mktemp)
trap 'rm -rf "$app_folder" "$results"; stop_virtual_desktop' EXIT

labels=("minimal window" "minimal + text" "larkspan")
commands=("$build/bin/minimal_window" "$build/bin/minimal_window --text" "$app_folder/larkspan")
for run in $(seq "$runs"); do
  for i in "${!labels[@]}"; do
    # shellcheck disable=SC2086 # the command's words are meant to split
    echo "$i $run $("$build/bin/mapwatch" ${commands[$i]})" >>"$results"
  done
done

# field 3: start in ms, 4: idle RSS in kB, 5: wake-ups
median() { # label-index field
  awk -v i="$1" -v f="$2" '$1 == i { print $f }' "$results" | sort -n |
    awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}
first() { awk -v i="$1" -v f="$2" '$1 == i && $2 == 1 { print $f }' "$results"; }
for i in "${!labels[@]}"; do
  printf '%-16s start %7s ms (%s)   idle RSS %7s kB (%s)   wake-ups in 3 s idle %s\n' \
    "${labels[$i]}" "$(median "$i" 3)" "$(first "$i" 3)" "$(median "$i" 4)" "$(first "$i" 4)" \
    "$(median "$i" 5)"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
printf 'larkspan / minimal window: start %sx (goal 1.2x), idle RSS %sx (goal 1.3x)\n' \
  "$(ratio "$(median 2 3)" "$(median 0 3)")" "$(ratio "$(median 2 4)" "$(median 0 4)")"
